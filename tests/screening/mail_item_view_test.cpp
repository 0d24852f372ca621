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

// The address properties are named properties: each store gives them tags of its own, and the
// tags another store gives them hold something else here.
TEST_F(MailItemViewTest, AContactAddressIsTheFirstOfItsThreeAddressPropertiesAtTheStoresOwnTags) {
    namespace named = platform::named_property;
    const auto both = Deliver({{outlook.StoreTag(named::ContactEmail2), "second@example.com"},
                               {outlook.StoreTag(named::ContactEmail3), "third@example.com"}},
                              host::item_class::Contact);
    EXPECT_EQ(view.ReadContactAddress(*both), u"second@example.com");
    const auto first = Deliver(outlook.ContactProperties({"J\xFCrgen@example.de", "", "x@example.com"}), host::item_class::Contact);
    EXPECT_EQ(view.ReadContactAddress(*first), u"J\u00FCrgen@example.de");
    const auto none = Deliver({{tag::Subject, "no address"}, {0x8030001E, "not an address property here"}},
                              host::item_class::Contact);
    EXPECT_EQ(view.ReadContactAddress(*none), u"");
}

// A store hands over strings only up to a size of its own in one piece; a longer one is read
// as a stream, up to what the reader asks for.
TEST_F(MailItemViewTest, PropertiesLargerThanTheStoreReturnsInOnePieceAreReadAsAStream) {
    const std::string body = "<html><body>" + std::string(40 * 1024, 'x') + " lottery winner</body></html>";
    const std::string headers = "Received: from a\r\n" + std::string(20 * 1024, 'h') + "\r\nX-Word: prize\r\n";
    const auto item = Deliver({{tag::BodyHtml, body}, {tag::TransportMessageHeaders, headers}, {tag::Subject, "Hi"}});
    EXPECT_EQ(view.ReadHtmlBody(*item), body);
    EXPECT_EQ(view.ReadTransportHeaders(*item), headers);
    EXPECT_EQ(view.ReadHtmlBody(*item, 12), "<html><body>");
    EXPECT_EQ(view.ReadSubject(*item), "Hi");
    outlook.SetStringReadLimit(4);
    EXPECT_EQ(view.ReadSubject(*item), "Hi");  // small enough still
    EXPECT_EQ(view.ReadItemProperty(*item, tag::Subject, 1), "H");
}

// Inside an Exchange organization the store knows a sender by a directory address; the view
// gives the SMTP address kept beside it, or none at all.
TEST_F(MailItemViewTest, AnExchangeSenderIsReadByTheSmtpAddressBesideTheDirectoryAddress) {
    const std::string directory = "/o=Northwind/ou=Exchange Administrative Group (FYDIBOHF23SPDLT)/cn=Recipients/cn=maria";
    const auto with_smtp = Deliver({{tag::SenderAddressType, "EX"},
                                    {tag::SenderEmailAddress, directory},
                                    {tag::SenderSmtpAddress, "maria@northwind.example"}});
    EXPECT_EQ(view.ReadSenderAddress(*with_smtp), "maria@northwind.example");
    const auto without = Deliver({{tag::SenderAddressType, "EX"}, {tag::SenderEmailAddress, directory}});
    EXPECT_EQ(view.ReadSenderAddress(*without), "");
    const auto untyped = Deliver({{tag::SenderEmailAddress, "/O=ORG/OU=SITE/CN=RECIPIENTS/CN=BOB"}});
    EXPECT_EQ(view.ReadSenderAddress(*untyped), "");
    const auto internet = Deliver({{tag::SenderAddressType, "SMTP"}, {tag::SenderEmailAddress, "ann@example.com"}});
    EXPECT_EQ(view.ReadSenderAddress(*internet), "ann@example.com");
    EXPECT_TRUE(IsDirectoryAddress("/o=x"));
    EXPECT_FALSE(IsDirectoryAddress("o=x@example.com"));
}

}  // namespace
}  // namespace tarn::screening
