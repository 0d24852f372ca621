#pragma once

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "platform/win32/reference_count.h"
#include "win/addin_runtime.h"
#include "win/extensibility.h"

namespace tarn::win {

// The COM object Outlook creates and connects: IDTExtensibility2 for the connection, and
// ITarnAddin, its own automation interface (the COM add-in entry's Object). No exception
// leaves a method: each failure becomes a failure result, with its description and help
// context set through IErrorInfo.
class AddinObject final : public IDTExtensibility2 {
public:
    AddinObject();
    AddinObject(const AddinObject&) = delete;
    AddinObject& operator=(const AddinObject&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch, shared by IDTExtensibility2 and ITarnAddin
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* argument_error) override;
    // IDTExtensibility2
    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, int connect_mode, IDispatch* add_in,
                                           SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(int remove_mode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

private:
    ~AddinObject();
    template <class Work>
    HRESULT Guarded(const char* member, Work&& work) noexcept;

    platform::ReferenceCount references_;
    std::unique_ptr<AddinRuntime> runtime_;
};

}  // namespace tarn::win
