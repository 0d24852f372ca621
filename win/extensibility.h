#pragma once

#include <windows.h>
#include <oaidl.h>

namespace tarn::win {

// IDTExtensibility2 (no header of MinGW-w64 declares it).
class IDTExtensibility2 : public IDispatch {
public:
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, int connect_mode, IDispatch* add_in,
                                                   SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(int remove_mode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) = 0;

protected:
    ~IDTExtensibility2() = default;
};

// The DISPIDs of its members, for callers that go through IDispatch.
namespace extensibility_dispid {
inline constexpr DISPID OnConnection = 1;
inline constexpr DISPID OnDisconnection = 2;
inline constexpr DISPID OnAddInsUpdate = 3;
inline constexpr DISPID OnStartupComplete = 4;
inline constexpr DISPID OnBeginShutdown = 5;
}  // namespace extensibility_dispid

}  // namespace tarn::win
