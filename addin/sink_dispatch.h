#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/constants.h"

namespace tarn::addin {

// What an event sink's automation interface answers Office, as the COM server returns it.
// The results are COM's own codes.
namespace sink_result {
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t Fail = static_cast<std::int32_t>(0x80004005u);            // E_FAIL
inline constexpr std::int32_t Pointer = static_cast<std::int32_t>(0x80004003u);         // E_POINTER
inline constexpr std::int32_t InvalidArgument = static_cast<std::int32_t>(0x80070057u); // E_INVALIDARG
inline constexpr std::int32_t UnknownName = static_cast<std::int32_t>(0x80020006u);     // DISP_E_UNKNOWNNAME
inline constexpr std::int32_t MemberNotFound = static_cast<std::int32_t>(0x80020003u);  // DISP_E_MEMBERNOTFOUND
}  // namespace sink_result

// The one member a sink has: the event of its control.
inline constexpr long EventMember = 1;

// GetIDsOfNames: exactly one name, the control's event ("Click" for buttons and pop-ups,
// "Change" for edits, drop-downs and combo boxes; compared without regard to case), gives
// EventMember. No names at all: E_POINTER.
struct NameLookup {
    std::int32_t result;
    long member = 0;
};
NameLookup LookUpEventName(host::ControlType control_type, const std::vector<std::u16string>* names);

// Invoke: the event member with at least one argument (the control) goes ahead (Ok); another
// member is DISP_E_MEMBERNOTFOUND, no argument E_POINTER.
std::int32_t CheckEventCall(long member, std::size_t argument_count);

// GetTypeInfoCount gives 0, and GetTypeInfo fails (E_FAIL): the sink has no type information.
inline constexpr unsigned SinkTypeInfoCount = 0;

}  // namespace tarn::addin
