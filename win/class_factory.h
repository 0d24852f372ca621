#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>

namespace tarn::win {

// TaxpFactory: makes the add-in objects Outlook asks for (one per connection), apartment
// threaded, without aggregation. A failure to make one is a failure result, never an
// exception.
class TaxpFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    STDMETHODIMP LockServer(BOOL lock) override;

    // The one factory of the library, alive as long as the library.
    static TaxpFactory& Instance() noexcept;

private:
    TaxpFactory() = default;
};

}  // namespace tarn::win
