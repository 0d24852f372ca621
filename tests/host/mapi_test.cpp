#include <gtest/gtest.h>

#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

using namespace platform::prop_tag;

class MapiView : public SimFixture {
protected:
    std::shared_ptr<SimItem> item =
        outlook.AddItem(outlook.Inbox(), {{Subject, "Offer"}, {SenderEmailAddress, "x@example.com"}, {Body, ""}});
    SimMapiLibrary mapi;
};

TEST_F(MapiView, ReadsTheItemsPropertiesAndNothingElse) {
    const auto message = item->MAPIOBJECT()->QueryMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(mapi.GetOneStringProp(*message, Subject), "Offer");
    EXPECT_EQ(mapi.GetOneStringProp(*message, SenderEmailAddress), "x@example.com");
    EXPECT_EQ(mapi.GetOneStringProp(*message, Body), "");  // present but empty
    EXPECT_EQ(mapi.GetOneStringProp(*message, TransportMessageHeaders), std::nullopt);
}

TEST_F(MapiView, PropertiesStayReadableAfterAMove) {
    const auto quarantine = outlook.AddFolder(outlook.Inbox(), u"Quarantine");
    const auto object = item->MAPIOBJECT();
    item->Move(*quarantine);
    EXPECT_EQ(mapi.GetOneStringProp(*object->QueryMessage(), Subject), "Offer");
    EXPECT_EQ(mapi.GetOneStringProp(*item->MAPIOBJECT()->QueryMessage(), Subject), "Offer");
}

TEST_F(MapiView, AnItemThatDoesNotAnswerIMessageGivesNoMessage) {
    item->SetAnswersMessage(false);
    EXPECT_EQ(item->MAPIOBJECT()->QueryMessage(), nullptr);
}

TEST_F(MapiView, MessagesOfAnotherMapiGiveNoProperty) {
    class ForeignMessage : public platform::MapiMessage {};
    ForeignMessage foreign;
    EXPECT_EQ(mapi.GetOneStringProp(foreign, Subject), std::nullopt);
}

}  // namespace
}  // namespace tarn::host::sim
