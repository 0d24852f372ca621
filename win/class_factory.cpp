#include "win/class_factory.h"

#include <new>

#include "win/addin_object.h"
#include "win/error_info.h"
#include "win/module_lifetime.h"

namespace tarn::win {

TaxpFactory& TaxpFactory::Instance() noexcept {
    static TaxpFactory factory;
    return factory;
}

STDMETHODIMP TaxpFactory::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

// The factory lives with the library: its references are locks on the library.
STDMETHODIMP_(ULONG) TaxpFactory::AddRef() {
    ModuleLifetime::Lock();
    return 2;
}

STDMETHODIMP_(ULONG) TaxpFactory::Release() {
    ModuleLifetime::Unlock();
    return 1;
}

STDMETHODIMP TaxpFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    AddinObject* object = nullptr;
    try {
        object = new AddinObject();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception& error) {
        SetErrorInfoFor(u"Tarn4OL.TarnAddin", error.what(), 0);
        return E_FAIL;
    }
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
}

STDMETHODIMP TaxpFactory::LockServer(BOOL lock) {
    if (lock) ModuleLifetime::Lock();
    else ModuleLifetime::Unlock();
    return S_OK;
}

}  // namespace tarn::win
