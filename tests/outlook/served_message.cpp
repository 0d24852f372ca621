#include "tests/outlook/served_message.h"

#include "host/sim/sim_mapi.h"
#include "platform/win32/reference_count.h"
#include "tests/support/win32/string_property_message.h"

namespace tarn::outlook {

namespace {

// An item's message: its string properties are the substitute's.
class ServedMessage final : public test_support::StringPropertyMessage {
public:
    explicit ServedMessage(std::unique_ptr<platform::MapiMessage> message) : message_(std::move(message)) {}

    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release([this] { delete this; }); }

protected:
    std::optional<std::string> StringProperty(ULONG tag) override {
        host::sim::SimMapiLibrary store;
        return store.GetOneStringProp(*message_, tag);
    }

private:
    std::unique_ptr<platform::MapiMessage> message_;
    platform::ReferenceCount references_;
};

// An object that is no message (items of some stores).
class ServedUnknown final : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release([this] { delete this; }); }

private:
    platform::ReferenceCount references_;
};

}  // namespace

platform::ComPtr<IUnknown> ServeMapiObject(const std::shared_ptr<platform::MapiObject>& object) {
    auto message = object->QueryMessage();
    if (!message) return platform::ComPtr<IUnknown>::Adopt(new ServedUnknown());
    return platform::ComPtr<IUnknown>::Adopt(static_cast<IMessage*>(new ServedMessage(std::move(message))));
}

}  // namespace tarn::outlook
