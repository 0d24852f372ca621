#include <gtest/gtest.h>

#include "host/host_error.h"
#include "host/sim/sim_outlook.h"
#include "screening/mail_item_view.h"

namespace tarn::screening {
namespace {

namespace tag = platform::prop_tag;
using host::sim::PropertyMap;

class MailItemViewTest : public ::testing::Test {
protected:
    host::sim::SimOutlook outlook;
    host::sim::SimMapiLibrary mapi;
    MailItemView view{mapi};

    std::shared_ptr<host::sim::SimItem> Deliver(PropertyMap properties, long item_class = host::item_class::Mail) {
        return outlook.AddItem(outlook.Inbox(), std::move(properties), item_class);
    }
};

TEST_F(MailItemViewTest, EachFixedReadTakesItsOwnProperty) {
    const auto item = Deliver({{tag::SenderEmailAddress, "ann@example.com"},
                               {tag::Subject, "Lunch"},
                               {tag::Body, "plain"},
                               {tag::BodyHtml, "<p>html</p>"},
                               {tag::DisplayTo, "Tom Baker; Priya Nair"},
                               {tag::TransportMessageHeaders, "Received: x\r\n"}});
    EXPECT_EQ(view.ReadSenderAddress(*item), "ann@example.com");
    EXPECT_EQ(view.ReadSubject(*item), "Lunch");
    EXPECT_EQ(view.ReadBody(*item), "plain");
    EXPECT_EQ(view.ReadHtmlBody(*item), "<p>html</p>");
    EXPECT_EQ(view.ReadDisplayTo(*item), "Tom Baker; Priya Nair");  // the whole text, not one recipient
    EXPECT_EQ(view.ReadTransportHeaders(*item), "Received: x\r\n");
    EXPECT_EQ(view.ReadItemProperty(*item, tag::Subject), "Lunch");
}

TEST_F(MailItemViewTest, APropertyTheStoreDoesNotHoldReadsEmpty) {
    const auto item = Deliver({{tag::Subject, "no headers, no HTML"}});
    EXPECT_EQ(view.ReadTransportHeaders(*item), "");
    EXPECT_EQ(view.ReadHtmlBody(*item), "");
}

TEST_F(MailItemViewTest, TextsComeBackAsStoredAndReadTheSameTwice) {
    const std::string subject = "  =?iso-8859-1?Q?caf=E9?= \xE9t\xE9 UPPER  ";
    const auto item = Deliver({{tag::Subject, subject}});
    EXPECT_EQ(view.ReadSubject(*item), subject);
    EXPECT_EQ(view.ReadSubject(*item), subject);
}

TEST_F(MailItemViewTest, AnItemWhoseMapiObjectIsNoMessageReadsEmpty) {
    const auto item = Deliver({{tag::Subject, "hidden"}});
    item->SetAnswersMessage(false);
    EXPECT_EQ(view.ReadSubject(*item), "");
    EXPECT_EQ(view.ReadContactAddress(*item), u"");
}

TEST_F(MailItemViewTest, ARefusedMapiObjectReadReachesTheCaller) {
    const auto item = Deliver({{tag::Subject, "x"}});
    item->Faults().Refuse("MAPIOBJECT", 1);
    EXPECT_THROW(view.ReadSubject(*item), host::HostError);
    EXPECT_EQ(view.ReadSubject(*item), "x");
}

TEST_F(MailItemViewTest, AContactAddressIsTheFirstOfItsThreeAddressProperties) {
    const auto both = Deliver({{tag::ContactEmail2, "second@example.com"}, {tag::ContactEmail3, "third@example.com"}},
                              host::item_class::Contact);
    EXPECT_EQ(view.ReadContactAddress(*both), u"second@example.com");
    const auto first = Deliver({{tag::ContactEmail1, "J\xFCrgen@example.de"}, {tag::ContactEmail3, "x@example.com"}},
                               host::item_class::Contact);
    EXPECT_EQ(view.ReadContactAddress(*first), u"J\u00FCrgen@example.de");
    const auto none = Deliver({{tag::Subject, "no address"}}, host::item_class::Contact);
    EXPECT_EQ(view.ReadContactAddress(*none), u"");
}

}  // namespace
}  // namespace tarn::screening
