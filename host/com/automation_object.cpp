#include "host/com/automation_object.h"

#include <cstdio>

#include "host/host_error.h"
#include "platform/codepage.h"

namespace tarn::host::com {

namespace {

std::string SystemText(HRESULT result) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message(reinterpret_cast<const char16_t*>(text), length);
    LocalFree(text);
    while (!message.empty() && (message.back() == u'\r' || message.back() == u'\n' || message.back() == u' ')) {
        message.pop_back();
    }
    return platform::Narrow(message);
}

}  // namespace

std::string FailureText(HRESULT result, EXCEPINFO* exception) {
    std::string text;
    if (result == DISP_E_EXCEPTION && exception != nullptr) {
        if (exception->pfnDeferredFillIn != nullptr) exception->pfnDeferredFillIn(exception);
        if (exception->bstrDescription != nullptr) {
            text = platform::Narrow(std::u16string(reinterpret_cast<const char16_t*>(exception->bstrDescription),
                                                   SysStringLen(exception->bstrDescription)));
        }
        if (exception->scode != 0) result = exception->scode;
    }
    if (text.empty()) text = SystemText(result);
    char number[16];
    std::snprintf(number, sizeof number, "0x%08lX", static_cast<unsigned long>(result));
    return text.empty() ? std::string("error ") + number : text + " (" + number + ")";
}

AutomationObject::AutomationObject(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch, std::string kind)
    : session_(std::move(session)), dispatch_(std::move(dispatch)), kind_(std::move(kind)) {
    if (!dispatch_) throw HostError(kind_, "Outlook gave no object");
}

std::string AutomationObject::Member(std::u16string_view name) const { return kind_ + "." + platform::Narrow(name); }

void AutomationObject::Fail(std::u16string_view name, const std::string& reason) const {
    throw HostError(Member(name), reason);
}

DISPID AutomationObject::IdOf(std::u16string_view name) const {
    if (const auto known = session_->KnownId(kind_, name)) return *known;
    std::u16string copy(name);
    LPOLESTR names[] = {reinterpret_cast<LPOLESTR>(copy.data())};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result)) Fail(name, FailureText(result, nullptr));
    session_->RememberId(kind_, name, id);
    return id;
}

Variant AutomationObject::Invoke(std::u16string_view name, WORD flags, std::vector<Variant> arguments, bool put) const {
    const DISPID id = IdOf(name);
    // DISPPARAMS takes the arguments last first.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) reversed.push_back(argument->Raw());
    DISPID put_id = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{reversed.data(), put ? &put_id : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    Variant result;
    EXCEPINFO exception{};
    UINT bad_argument = 0;
    const HRESULT outcome = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                              put ? nullptr : result.Get(), &exception, &bad_argument);
    const std::string failure = FAILED(outcome) ? FailureText(outcome, &exception) : std::string();
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (FAILED(outcome)) Fail(name, failure);
    return result;
}

Variant AutomationObject::Get(std::u16string_view name, std::initializer_list<Variant> arguments) const {
    return Invoke(name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::vector<Variant>(arguments), false);
}

void AutomationObject::Put(std::u16string_view name, const Variant& value) const {
    Invoke(name, DISPATCH_PROPERTYPUT, {value}, true);
}

Variant AutomationObject::Call(std::u16string_view name, std::initializer_list<Variant> arguments) const {
    return Invoke(name, DISPATCH_METHOD, std::vector<Variant>(arguments), false);
}

namespace {

// A property read as the reader wants it; a value of another kind is Outlook's failure.
template <class Reader>
auto ReadAs(const AutomationObject& object, std::u16string_view name, Reader reader) -> decltype(reader(Variant())) {
    const Variant value = object.Get(name);
    try {
        return reader(value);
    } catch (const std::invalid_argument& error) {
        throw HostError(object.Member(name), error.what());
    }
}

}  // namespace

long AutomationObject::GetLong(std::u16string_view name) const {
    return ReadAs(*this, name, [](const Variant& value) { return value.AsLong(); });
}

bool AutomationObject::GetBool(std::u16string_view name) const {
    return ReadAs(*this, name, [](const Variant& value) { return value.AsBool(); });
}

std::u16string AutomationObject::GetString(std::u16string_view name) const {
    return ReadAs(*this, name, [](const Variant& value) { return value.AsString(); });
}

platform::ComPtr<IDispatch> AutomationObject::GetObjectOrNull(std::u16string_view name,
                                                              std::initializer_list<Variant> arguments) const {
    const Variant value = Get(name, arguments);
    try {
        return value.AsDispatch();
    } catch (const std::invalid_argument& error) {
        Fail(name, error.what());
    }
}

platform::ComPtr<IDispatch> AutomationObject::GetObject(std::u16string_view name,
                                                        std::initializer_list<Variant> arguments) const {
    auto object = GetObjectOrNull(name, arguments);
    if (!object) Fail(name, "Outlook gave Nothing");
    return object;
}

}  // namespace tarn::host::com
