#include "host/com/event_sink.h"

#include <ocidl.h>

#include "host/host_error.h"
#include "platform/win32/reference_count.h"

namespace tarn::host::com {

namespace {

class EventSink final : public IDispatch {
public:
    EventSink(REFIID events, DISPID event, std::string event_name, EventHandler handler, ComSessionPtr session)
        : events_(events), event_(event), event_name_(std::move(event_name)), handler_(std::move(handler)),
          session_(std::move(session)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, events_)) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release([this] { delete this; }); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if (member != event_) return S_OK;  // an event of the interface the add-in does not handle
        platform::Contain(session_->Diagnostics(), event_name_, [&] {
            std::vector<Variant> arguments;
            if (parameters != nullptr) {
                // DISPPARAMS holds them last first; a by-reference argument is read through.
                for (UINT i = parameters->cArgs; i-- > 0;) {
                    Variant copy;
                    VARIANT& argument = parameters->rgvarg[i];
                    VARIANT* value = (argument.vt == (VT_BYREF | VT_VARIANT)) ? argument.pvarVal : &argument;
                    if ((value->vt & VT_BYREF) != 0) {
                        if (FAILED(VariantCopyInd(copy.Get(), value))) throw std::runtime_error("an argument cannot be read");
                    } else if (FAILED(VariantCopy(copy.Get(), value))) {
                        throw std::runtime_error("an argument cannot be read");
                    }
                    arguments.push_back(std::move(copy));
                }
            }
            handler_(arguments);
        });
        return S_OK;
    }

private:
    IID events_;
    DISPID event_;
    std::string event_name_;
    EventHandler handler_;
    ComSessionPtr session_;
    platform::ReferenceCount references_;
};

}  // namespace

host::Subscription Advise(const AutomationObject& source, REFIID events, DISPID event, const std::string& event_name,
                          EventHandler handler) {
    const std::string member = source.Kind() + "." + event_name;
    const auto container = platform::ComPtr<IDispatch>(source.Dispatch()).As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container) throw HostError(member, "the object raises no events");
    platform::ComPtr<IConnectionPoint> point;
    HRESULT result = container->FindConnectionPoint(events, point.Put());
    if (FAILED(result)) throw HostError(member, FailureText(result, nullptr));
    const auto sink = platform::ComPtr<IDispatch>::Adopt(
        new EventSink(events, event, member, std::move(handler), source.Session()));
    DWORD cookie = 0;
    result = point->Advise(sink.Get(), &cookie);
    if (FAILED(result)) throw HostError(member, FailureText(result, nullptr));
    // The source is held too: Outlook stops raising the events of an object nobody holds.
    return host::Subscription(
        [point, cookie, held = platform::ComPtr<IDispatch>(source.Dispatch())] { point->Unadvise(cookie); });
}

}  // namespace tarn::host::com
