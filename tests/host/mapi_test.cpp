#include <gtest/gtest.h>

#include "host/host_error.h"
#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

using namespace platform::prop_tag;
using Outcome = platform::StringPropRead::Outcome;

platform::StringPropRead Read(std::string text) { return {Outcome::Read, std::move(text)}; }
const platform::StringPropRead Missing{};
const platform::StringPropRead TooBig{Outcome::TooBig, {}};

class MapiView : public SimFixture {
protected:
    std::shared_ptr<SimItem> item =
        outlook.AddItem(outlook.Inbox(), {{Subject, "Offer"}, {SenderEmailAddress, "x@example.com"}, {Body, ""}});
    SimMapiLibrary mapi;
};

TEST_F(MapiView, ReadsTheItemsPropertiesAndNothingElse) {
    const auto message = item->MAPIOBJECT()->QueryMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(mapi.GetOneStringProp(*message, Subject), Read("Offer"));
    EXPECT_EQ(mapi.GetOneStringProp(*message, SenderEmailAddress), Read("x@example.com"));
    EXPECT_EQ(mapi.GetOneStringProp(*message, Body), Read(""));  // present but empty
    EXPECT_EQ(mapi.GetOneStringProp(*message, TransportMessageHeaders), Missing);
}

// As stores do (Microsoft KB 184269): a string longer than the store returns in one piece
// fails for want of memory, and is read as a stream.
TEST_F(MapiView, AStringLongerThanTheStoreReturnsInOnePieceComesOnlyAsAStream) {
    const std::string body(SimStoreMapi::DefaultStringReadLimit + 1, 'b');
    const auto big = outlook.AddItem(outlook.Inbox(), {{Body, body}, {Subject, std::string(SimStoreMapi::DefaultStringReadLimit, 's')}});
    const auto message = big->MAPIOBJECT()->QueryMessage();
    EXPECT_EQ(mapi.GetOneStringProp(*message, Body), TooBig);
    EXPECT_EQ(mapi.GetOneStringProp(*message, Subject).outcome, Outcome::Read);  // exactly the limit
    EXPECT_EQ(mapi.ReadStringPropStream(*message, Body, 1 << 20), body);
    EXPECT_EQ(mapi.ReadStringPropStream(*message, Body, 3), "bbb");
    EXPECT_EQ(mapi.ReadStringPropStream(*message, TransportMessageHeaders, 10), std::nullopt);
    outlook.SetStringReadLimit(2);
    EXPECT_EQ(mapi.GetOneStringProp(*message, SenderEmailAddress), Missing);
    EXPECT_EQ(mapi.GetOneStringProp(*item->MAPIOBJECT()->QueryMessage(), Subject), TooBig);
}

// Named properties have tags of the store's own, found by name; unknown names have none.
TEST_F(MapiView, ANamedPropertyIsFoundByItsNameInTheStoresOwnMap) {
    namespace named = platform::named_property;
    const auto message = item->MAPIOBJECT()->QueryMessage();
    const auto email1 = mapi.NamedPropertyTag(*message, named::ContactEmail1, platform::PropTypeString8);
    ASSERT_TRUE(email1.has_value());
    EXPECT_EQ(*email1, outlook.StoreTag(named::ContactEmail1));
    EXPECT_EQ(*email1 & 0xFFFF, platform::PropTypeString8);
    EXPECT_GE(*email1 >> 16, 0x8000u);
    EXPECT_NE(*email1, mapi.NamedPropertyTag(*message, named::ContactEmail2, platform::PropTypeString8));
    EXPECT_EQ(mapi.NamedPropertyTag(*message, {named::AddressSet, 0x8000}, platform::PropTypeString8), std::nullopt);
    EXPECT_EQ(mapi.NamedPropertyTag(*message, {platform::MapiGuid{0x00062008}, 0x8083}, platform::PropTypeString8),
              std::nullopt);
}

// As in an Exchange store, the moved item is a new object: the old reference refuses its
// members, while a MAPI object taken before the move still reads.
TEST_F(MapiView, AMovedItemIsReadThroughTheItemMoveGave) {
    const auto quarantine = outlook.AddFolder(outlook.Inbox(), u"Quarantine");
    const auto object = item->MAPIOBJECT();
    const auto moved = item->Move(*quarantine);
    EXPECT_EQ(mapi.GetOneStringProp(*object->QueryMessage(), Subject), Read("Offer"));
    EXPECT_EQ(mapi.GetOneStringProp(*moved->MAPIOBJECT()->QueryMessage(), Subject), Read("Offer"));
    EXPECT_THROW(item->MAPIOBJECT(), host::HostError);
    EXPECT_THROW(item->Move(*outlook.Inbox()), host::HostError);
    EXPECT_EQ(item->Location(), quarantine);  // the test host's own view follows it
    EXPECT_EQ(item->Latest(), moved);
}

TEST_F(MapiView, AnItemThatDoesNotAnswerIMessageGivesNoMessage) {
    item->SetAnswersMessage(false);
    EXPECT_EQ(item->MAPIOBJECT()->QueryMessage(), nullptr);
}

TEST_F(MapiView, MessagesOfAnotherMapiGiveNoProperty) {
    class ForeignMessage : public platform::MapiMessage {};
    ForeignMessage foreign;
    EXPECT_EQ(mapi.GetOneStringProp(foreign, Subject), Missing);
    EXPECT_EQ(mapi.ReadStringPropStream(foreign, Subject, 10), std::nullopt);
    EXPECT_EQ(mapi.NamedPropertyTag(foreign, platform::named_property::ContactEmail1, platform::PropTypeString8),
              std::nullopt);
}

}  // namespace
}  // namespace tarn::host::sim
