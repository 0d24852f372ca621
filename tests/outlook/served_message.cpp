#include "tests/outlook/served_message.h"

#include "host/sim/sim_mapi.h"
#include "platform/win32/reference_count.h"
#include "tests/support/win32/string_property_message.h"

namespace tarn::outlook {

namespace {

// An item's message: its string properties are the substitute's, handed out as the
// substitute's store hands them out (long strings only as a stream, named properties under the
// store's own identifiers).
class ServedMessage final : public test_support::StringPropertyMessage {
public:
    explicit ServedMessage(std::unique_ptr<host::sim::SimMapiMessage> message) : message_(std::move(message)) {
        SetStringReadLimit(message_->Store().string_read_limit);
    }

    STDMETHODIMP_(ULONG) AddRef() override { return references_.AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return references_.Release([this] { delete this; }); }

protected:
    std::optional<std::string> StringProperty(ULONG tag) override {
        const auto found = message_->Properties().find(tag);
        if (found == message_->Properties().end()) return std::nullopt;
        return found->second;
    }
    std::optional<ULONG> NamedId(const GUID& set, LONG id) override {
        platform::MapiGuid guid{static_cast<std::uint32_t>(set.Data1), set.Data2, set.Data3, {}};
        for (std::size_t i = 0; i < guid.data4.size(); ++i) guid.data4[i] = set.Data4[i];
        const auto tag = message_->Store().TagOf({guid, id}, PT_UNSPECIFIED);
        if (!tag) return std::nullopt;
        return *tag >> 16;
    }

private:
    std::unique_ptr<host::sim::SimMapiMessage> message_;
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
    auto* sim_message = dynamic_cast<host::sim::SimMapiMessage*>(message.get());
    if (sim_message == nullptr) return platform::ComPtr<IUnknown>::Adopt(new ServedUnknown());
    message.release();
    return platform::ComPtr<IUnknown>::Adopt(
        static_cast<IMessage*>(new ServedMessage(std::unique_ptr<host::sim::SimMapiMessage>(sim_message))));
}

}  // namespace tarn::outlook
