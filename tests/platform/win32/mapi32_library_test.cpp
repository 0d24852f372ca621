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

using Outcome = StringPropRead::Outcome;
StringPropRead Read(std::string text) { return {Outcome::Read, std::move(text)}; }
const StringPropRead Missing{};

// A message holding the given string properties, counting its references without owning itself;
// its store knows one named property of the address set, under 0x8077.
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

    std::optional<ULONG> NamedId(const GUID& set, LONG id) override {
        const GUID address_set = {0x00062004, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
        if (!IsEqualGUID(set, address_set) || id != 0x8083) return std::nullopt;
        return 0x8077;
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
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::Subject), Read("Quarterly figures =?x?"));
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::DisplayTo), Read("Ann; Bob"));
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::Body), Missing);
}

// A string longer than the store returns in one piece: told apart from a missing one, and read
// through a stream without the NUL the stream may hold.
TEST(Mapi32Library, AStringTheStoreWillNotHandOverWholeIsReadAsAStream) {
    Mapi32Library library;
    const std::string body = "<html>" + std::string(40 * 1024, 'x') + "</html>";
    FakeMessage message({{prop_tag::BodyHtml, body}, {prop_tag::Subject, "short"}});
    message.SetStringReadLimit(8 * 1024);
    message.AddRef();
    Mapi32Object object(&message);
    auto view = object.QueryMessage();
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::BodyHtml), (StringPropRead{Outcome::TooBig, {}}));
    EXPECT_EQ(library.GetOneStringProp(*view, prop_tag::Subject), Read("short"));
    EXPECT_EQ(library.ReadStringPropStream(*view, prop_tag::BodyHtml, 1 << 20), body);
    EXPECT_EQ(library.ReadStringPropStream(*view, prop_tag::BodyHtml, 6), "<html>");
    EXPECT_EQ(library.ReadStringPropStream(*view, prop_tag::Body, 100), std::nullopt);
}

TEST(Mapi32Library, FindsANamedPropertysTagInTheStoresOwnMap) {
    Mapi32Library library;
    FakeMessage message({});
    message.AddRef();
    Mapi32Object object(&message);
    auto view = object.QueryMessage();
    EXPECT_EQ(library.NamedPropertyTag(*view, named_property::ContactEmail1, PropTypeString8), PropTag{0x8077001E});
    EXPECT_EQ(library.NamedPropertyTag(*view, named_property::ContactEmail2, PropTypeString8), std::nullopt);
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
    EXPECT_EQ(library.GetOneStringProp(other, prop_tag::Subject), Missing);
    EXPECT_EQ(library.ReadStringPropStream(other, prop_tag::Subject, 10), std::nullopt);
}

}  // namespace
}  // namespace tarn::platform
