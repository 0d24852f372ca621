#pragma once

#include <windows.h>
#include <oaidl.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/diagnostics.h"

namespace tarn::host::com {

// What every Outlook object reached through COM shares while the add-in is connected: the
// member names' DISPIDs, looked up once per kind of object ("Items", "CommandBar"...) and
// then remembered, and the log that takes the failures contained inside Outlook's events.
class ComSession {
public:
    explicit ComSession(platform::Diagnostics& diagnostics) : diagnostics_(diagnostics) {}
    ComSession(const ComSession&) = delete;
    ComSession& operator=(const ComSession&) = delete;

    platform::Diagnostics& Diagnostics() const noexcept { return diagnostics_; }

    std::optional<DISPID> KnownId(std::string_view kind, std::u16string_view name) const;
    void RememberId(std::string_view kind, std::u16string_view name, DISPID id);

private:
    platform::Diagnostics& diagnostics_;
    std::map<std::pair<std::string, std::u16string>, DISPID, std::less<>> ids_;
};

using ComSessionPtr = std::shared_ptr<ComSession>;

}  // namespace tarn::host::com
