// The four entry points of the in-process COM server (exported by tarn4ol.def alone).
#include <windows.h>
#include <unknwn.h>
#include <olectl.h>

#include "win/class_factory.h"
#include "win/module_lifetime.h"
#include "win/server_identity.h"
#include "win/server_registration.h"

extern "C" {

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, tarn::win::CLSID_TarnAddin)) return CLASS_E_CLASSNOTAVAILABLE;
    return tarn::win::TaxpFactory::Instance().QueryInterface(iid, out);
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() { return tarn::win::ModuleLifetime::CanUnload() ? S_OK : S_FALSE; }

HRESULT STDAPICALLTYPE DllRegisterServer() {
    tarn::win::ModuleLifetime::RegistrationCalled();
    return tarn::win::RegisterServer();
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
    tarn::win::ModuleLifetime::RegistrationCalled();
    return tarn::win::UnregisterServer();
}

}  // extern "C"
