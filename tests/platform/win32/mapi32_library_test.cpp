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
#include "tests/support/win32/string_property_message.h"

namespace tarn::platform {
namespace {

// A message holding the given string properties, counting its references without owning itself.
class FakeMessage final : public test_support::StringPropertyMessage {
public:
    explicit FakeMessage(std::map<ULONG, std::string> properties) : properties_(std::move(properties)) {}

    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return --references_; }

    ULONG References() const { return references_; }

protected:
    std::optional<std::string> StringProperty(ULONG tag) override {
        const auto found = properties_.find(tag);
        if (found == properties_.end()) return std::nullopt;
        return found->second;
    }

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
