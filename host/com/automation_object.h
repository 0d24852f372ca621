#pragma once

#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/com/com_session.h"
#include "host/com/variant.h"
#include "platform/win32/com_ptr.h"

namespace tarn::host::com {

// One of Outlook's objects, reached late-bound through IDispatch by member name, as add-ins
// that must work with every version of Outlook do: no type library is needed. `kind` names the
// object's interface ("Items") for the DISPID cache and for errors: every failed call raises
// HostError naming "Kind.Member" and Outlook's own description of the failure.
class AutomationObject {
public:
    AutomationObject(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch, std::string kind);

    // A property, or a property with arguments ("Item", 3).
    Variant Get(std::u16string_view name, std::initializer_list<Variant> arguments = {}) const;
    void Put(std::u16string_view name, const Variant& value) const;
    // A method; optional arguments left out are Variant::Missing().
    Variant Call(std::u16string_view name, std::initializer_list<Variant> arguments = {}) const;

    // Helpers for the shapes most members take.
    long GetLong(std::u16string_view name) const;
    bool GetBool(std::u16string_view name) const;
    std::u16string GetString(std::u16string_view name) const;
    // An object property; raises HostError when Outlook gives Nothing.
    platform::ComPtr<IDispatch> GetObject(std::u16string_view name, std::initializer_list<Variant> arguments = {}) const;
    // The same, null for Nothing.
    platform::ComPtr<IDispatch> GetObjectOrNull(std::u16string_view name,
                                                std::initializer_list<Variant> arguments = {}) const;

    IDispatch* Dispatch() const noexcept { return dispatch_.Get(); }
    const ComSessionPtr& Session() const noexcept { return session_; }
    const std::string& Kind() const noexcept { return kind_; }
    std::string Member(std::u16string_view name) const;

private:
    DISPID IdOf(std::u16string_view name) const;
    Variant Invoke(std::u16string_view name, WORD flags, std::vector<Variant> arguments, bool put) const;
    [[noreturn]] void Fail(std::u16string_view name, const std::string& reason) const;

    ComSessionPtr session_;
    platform::ComPtr<IDispatch> dispatch_;
    std::string kind_;
};

// Outlook's text for a failed call: the description of its exception, else the system's
// message for the result, with the result's number.
std::string FailureText(HRESULT result, EXCEPINFO* exception);

}  // namespace tarn::host::com
