// MAPI32.DLL through the add-in's own entry points, against a minimal IMessage of the test's
// own whose property values are allocated with MAPI's allocator, as a message store does.
#include <windows.h>
#include <mapidefs.h>
#include <mapicode.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "platform/win32/mapi32_library.h"

namespace tarn::platform {
namespace {

constexpr IID MessageInterfaceId = {0x00020307, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Every IMessage member answers "not supported"; the fakes below override what they serve.
#undef MAPIMETHOD_
#define MAPIMETHOD_(type, method) type STDMETHODCALLTYPE method
#define NOT_SUPPORTED { return MAPI_E_NO_SUPPORT; }
class UnsupportedMessage : public IMessage {
public:
    virtual ~UnsupportedMessage() = default;
    MAPI_IMAPIPROP_METHODS(NOT_SUPPORTED)
    MAPI_IMESSAGE_METHODS(NOT_SUPPORTED)
};
#undef NOT_SUPPORTED

using AllocateBufferFn = SCODE(STDAPICALLTYPE*)(ULONG, LPVOID*);

AllocateBufferFn MapiAllocateBuffer() {
    HMODULE module = GetModuleHandleW(L"MAPI32.DLL");
    FARPROC proc = module ? GetProcAddress(module, "MAPIAllocateBuffer") : nullptr;
    return reinterpret_cast<AllocateBufferFn>(reinterpret_cast<void*>(proc));
}

class FakeMessage final : public UnsupportedMessage {
public:
    explicit FakeMessage(std::map<ULONG, std::string> properties) : properties_(std::move(properties)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, MessageInterfaceId)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return --references_; }

    STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG, ULONG* count, LPSPropValue* values) override {
        const ULONG tag = tags->aulPropTag[0];
        const auto found = properties_.find(tag);
        const std::string text = found == properties_.end() ? std::string() : found->second;
        void* buffer = nullptr;
        if (MapiAllocateBuffer()(static_cast<ULONG>(sizeof(SPropValue) + text.size() + 1), &buffer) != S_OK) {
            return MAPI_E_NOT_ENOUGH_MEMORY;
        }
        auto* value = static_cast<SPropValue*>(buffer);
        std::memset(value, 0, sizeof(SPropValue));
        *count = 1;
        *values = value;
        if (found == properties_.end()) {
            value->ulPropTag = PROP_TAG(PT_ERROR, PROP_ID(tag));
            value->Value.err = MAPI_E_NOT_FOUND;
            return MAPI_W_ERRORS_RETURNED;
        }
        char* copy = static_cast<char*>(buffer) + sizeof(SPropValue);
        std::memcpy(copy, text.c_str(), text.size() + 1);
        value->ulPropTag = tag;
        value->Value.lpszA = copy;
        return S_OK;
    }

    ULONG References() const { return references_; }

private:
    std::map<ULONG, std::string> properties_;
    ULONG references_ = 1;
};

// An object that is not a message: it answers only IUnknown.
class NotAMessage final : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        *out = IsEqualIID(iid, IID_IUnknown) ? this : nullptr;
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return --references_; }
    ULONG References() const { return references_; }

private:
    ULONG references_ = 1;
};

TEST(Mapi32Library, ResolvesItsEntryPointsByName) {
    Mapi32Library library;
    EXPECT_TRUE(library.Loaded());
}

TEST(Mapi32Library, ReadsStringPropertiesThroughHrGetOneProp) {
    Mapi32Library library;
    FakeMessage message({{prop_tag::Subject, "Quarterly figures =?x?"}, {prop_tag::DisplayTo, "Ann; Bob"}});
    message.AddRef();  // the object wrapper takes this reference
    Mapi32Object object(&message);
    auto view = object.QueryMessage();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::Subject), "Quarterly figures =?x?");
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::DisplayTo), "Ann; Bob");
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::Body), std::nullopt);
}

TEST(Mapi32Library, ReleasesEveryInterfaceItTakes) {
    FakeMessage message({{prop_tag::Subject, "x"}});
    {
        message.AddRef();
        Mapi32Object object(&message);
        auto view = object.QueryMessage();
        Mapi32Library library;
        library.GetOneStringProp(*view, prop_tag::Subject);
    }
    EXPECT_EQ(message.References(), 1u);
}

TEST(Mapi32Library, AnObjectThatIsNoMessageGivesNoMessage) {
    NotAMessage unknown;
    unknown.AddRef();
    {
        Mapi32Object object(&unknown);
        EXPECT_EQ(object.QueryMessage(), nullptr);
    }
    EXPECT_EQ(unknown.References(), 1u);
}

TEST(Mapi32Library, AMessageOfAnotherKindReadsEmpty) {
    class OtherMessage final : public MapiMessage {};
    OtherMessage other;
    Mapi32Library library;
    EXPECT_EQ(library.GetOneStringProp(other, prop_tag::Subject), std::nullopt);
}

}  // namespace
}  // namespace tarn::platform
