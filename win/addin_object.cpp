#include "win/addin_object.h"

#include <oleauto.h>

#include <string>

#include "addin/addin_error.h"
#include "host/com/com_host.h"
#include "host/com/com_objects.h"
#include "platform/win32/own_module.h"
#include "win/error_info.h"
#include "win/module_lifetime.h"
#include "win/server_identity.h"

namespace tarn::win {

namespace {

constexpr std::u16string_view Source = u"Tarn4OL.TarnAddin";

// The names IDTExtensibility2's members answer to through IDispatch.
struct NamedMember {
    std::u16string_view name;
    DISPID id;
};
constexpr NamedMember ConnectionMembers[] = {
    {u"OnConnection", extensibility_dispid::OnConnection},
    {u"OnDisconnection", extensibility_dispid::OnDisconnection},
    {u"OnAddInsUpdate", extensibility_dispid::OnAddInsUpdate},
    {u"OnStartupComplete", extensibility_dispid::OnStartupComplete},
    {u"OnBeginShutdown", extensibility_dispid::OnBeginShutdown},
};

bool SameName(const OLECHAR* name, std::u16string_view wanted) {
    const std::u16string_view given(reinterpret_cast<const char16_t*>(name));
    if (given.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const auto lower = [](char16_t ch) { return (ch >= u'A' && ch <= u'Z') ? static_cast<char16_t>(ch - u'A' + u'a') : ch; };
        if (lower(given[i]) != lower(wanted[i])) return false;
    }
    return true;
}

// The add-in's type information, from the type library embedded in this library.
platform::ComPtr<ITypeInfo> AddinTypeInfo() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(platform::OwnModule(), path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return nullptr;
    platform::ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(path, REGKIND_NONE, library.Put()))) return nullptr;
    platform::ComPtr<ITypeInfo> info;
    if (FAILED(library->GetTypeInfoOfGuid(IID_ITarnAddin, info.Put()))) return nullptr;
    return info;
}

platform::ComPtr<IDispatch> DispatchArgument(const DISPPARAMS& parameters, UINT position) {
    // DISPPARAMS holds the arguments last first.
    const VARIANT& value = parameters.rgvarg[parameters.cArgs - 1 - position];
    if (value.vt == VT_DISPATCH) return platform::ComPtr<IDispatch>(value.pdispVal);
    if (value.vt == (VT_DISPATCH | VT_BYREF) && value.ppdispVal != nullptr) return platform::ComPtr<IDispatch>(*value.ppdispVal);
    return nullptr;
}

int NumberArgument(const DISPPARAMS& parameters, UINT position) {
    VARIANT number;
    VariantInit(&number);
    if (FAILED(VariantChangeType(&number, &parameters.rgvarg[parameters.cArgs - 1 - position], 0, VT_I4))) return 0;
    return number.lVal;
}

}  // namespace

AddinObject::AddinObject() : runtime_(std::make_unique<AddinRuntime>()) { ModuleLifetime::ObjectCreated(); }

AddinObject::~AddinObject() { ModuleLifetime::ObjectDestroyed(); }

STDMETHODIMP AddinObject::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IDTExtensibility2) ||
        IsEqualIID(iid, IID_ITarnAddin)) {
        *out = static_cast<IDTExtensibility2*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) AddinObject::AddRef() { return references_.AddRef(); }

STDMETHODIMP_(ULONG) AddinObject::Release() { return references_.Release([this] { delete this; }); }

STDMETHODIMP AddinObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP AddinObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    auto found = AddinTypeInfo();
    if (!found) return E_FAIL;
    *info = found.Detach();
    return S_OK;
}

STDMETHODIMP AddinObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (names == nullptr || ids == nullptr) return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        for (const auto& member : ConnectionMembers) {
            if (i == 0 && SameName(names[i], member.name)) ids[i] = member.id;
        }
        if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

STDMETHODIMP AddinObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT*,
                                 EXCEPINFO*, UINT*) {
    if ((flags & DISPATCH_METHOD) == 0) return DISP_E_MEMBERNOTFOUND;
    const UINT given = parameters != nullptr ? parameters->cArgs : 0;
    switch (member) {
        case extensibility_dispid::OnConnection:
            if (given < 3) return DISP_E_BADPARAMCOUNT;
            return OnConnection(DispatchArgument(*parameters, 0).Get(), NumberArgument(*parameters, 1),
                                DispatchArgument(*parameters, 2).Get(), nullptr);
        case extensibility_dispid::OnDisconnection:
            if (given < 1) return DISP_E_BADPARAMCOUNT;
            return OnDisconnection(NumberArgument(*parameters, 0), nullptr);
        case extensibility_dispid::OnAddInsUpdate: return OnAddInsUpdate(nullptr);
        case extensibility_dispid::OnStartupComplete: return OnStartupComplete(nullptr);
        case extensibility_dispid::OnBeginShutdown: return OnBeginShutdown(nullptr);
        default: return DISP_E_MEMBERNOTFOUND;
    }
}

template <class Work>
HRESULT AddinObject::Guarded(const char* member, Work&& work) noexcept {
    try {
        work();
        return S_OK;
    } catch (const addin::AddinError& error) {
        runtime_->Diagnostics().Record(member, error.what());
        SetErrorInfoFor(Source, error.what(), static_cast<DWORD>(error.HelpContext()));
    } catch (const std::exception& error) {
        runtime_->Diagnostics().Record(member, error.what());
        SetErrorInfoFor(Source, error.what(), 0);
    } catch (...) {
        runtime_->Diagnostics().Record(member, "an unknown failure");
        SetErrorInfoFor(Source, "an unknown failure", 0);
    }
    return E_FAIL;
}

HRESULT STDMETHODCALLTYPE AddinObject::OnConnection(IDispatch* application, int connect_mode, IDispatch* add_in,
                                                    SAFEARRAY**) {
    return Guarded("OnConnection", [&] {
        const auto& session = runtime_->Session();
        auto self = std::make_shared<host::com::DispatchAddinObject>(static_cast<IDTExtensibility2*>(this));
        runtime_->Addin().SetLoadedForRegistration(ModuleLifetime::LoadedForRegistration());
        runtime_->Addin().OnConnection(host::com::WrapHostApplication(session, platform::ComPtr<IDispatch>(application)),
                                       connect_mode,
                                       host::com::WrapAddInEntry(session, platform::ComPtr<IDispatch>(add_in)),
                                       std::move(self));
    });
}

HRESULT STDMETHODCALLTYPE AddinObject::OnDisconnection(int remove_mode, SAFEARRAY**) {
    return Guarded("OnDisconnection", [&] { runtime_->Addin().OnDisconnection(remove_mode); });
}

HRESULT STDMETHODCALLTYPE AddinObject::OnAddInsUpdate(SAFEARRAY**) {
    return Guarded("OnAddInsUpdate", [&] { runtime_->Addin().OnAddInsUpdate(); });
}

HRESULT STDMETHODCALLTYPE AddinObject::OnStartupComplete(SAFEARRAY**) {
    return Guarded("OnStartupComplete", [&] { runtime_->Addin().OnStartupComplete(); });
}

HRESULT STDMETHODCALLTYPE AddinObject::OnBeginShutdown(SAFEARRAY**) {
    return Guarded("OnBeginShutdown", [&] { runtime_->Addin().OnBeginShutdown(); });
}

}  // namespace tarn::win
