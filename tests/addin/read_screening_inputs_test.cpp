#include <gtest/gtest.h>

#include "addin/tarn_addin.h"
#include "host/host_error.h"
#include "host/sim/sim_outlook.h"

namespace tarn::addin {
namespace {

namespace tag = platform::prop_tag;

class ReadScreeningInputsTest : public ::testing::Test {
protected:
    host::sim::SimOutlook outlook;
    host::sim::SimMapiLibrary mapi;
    TTarnAddin addin{mapi};
    const std::string headers = "Received: from x\r\nContent-Type: text/plain; charset=koi8-r\r\n";
};

TEST_F(ReadScreeningInputsTest, HeadersAreFollowedDirectlyByTheHtmlBody) {
    const auto item = outlook.AddItem(outlook.Inbox(),
                                      {{tag::TransportMessageHeaders, headers}, {tag::BodyHtml, "<p>hi</p>"}, {tag::Body, "hi"}});
    const auto inputs = addin.ReadScreeningInputs(*item);
    EXPECT_EQ(inputs.charset, "koi8-r");
    EXPECT_EQ(inputs.screening_text, headers + "<p>hi</p>");
}

TEST_F(ReadScreeningInputsTest, ThePlainBodyServesWhenThereIsNoHtml) {
    const auto item = outlook.AddItem(outlook.Inbox(), {{tag::Body, "plain"}});
    const auto inputs = addin.ReadScreeningInputs(*item);
    EXPECT_EQ(inputs.charset, "");
    EXPECT_EQ(inputs.screening_text, "plain");
}

TEST_F(ReadScreeningInputsTest, TheBodyIsCutToItsFirst5000Characters) {
    const auto item = outlook.AddItem(outlook.Inbox(), {{tag::TransportMessageHeaders, headers},
                                                        {tag::Body, std::string(4999, 'a') + "bc" + std::string(100, 'z')}});
    EXPECT_EQ(addin.ReadScreeningInputs(*item).screening_text, headers + std::string(4999, 'a') + "b");
}

TEST_F(ReadScreeningInputsTest, ItemsThatAreNotMailGiveNothing) {
    const auto contact = outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), {{tag::Body, "notes"}},
                                         host::item_class::Contact);
    const auto inputs = addin.ReadScreeningInputs(*contact);
    EXPECT_EQ(inputs.screening_text, "");
    EXPECT_EQ(inputs.charset, "");
}

TEST_F(ReadScreeningInputsTest, AnItemThatIsNoMessageHasNoHeadersAndNoCharset) {
    const auto item = outlook.AddItem(outlook.Inbox(), {{tag::TransportMessageHeaders, headers}, {tag::Body, "x"}});
    item->SetAnswersMessage(false);
    const auto inputs = addin.ReadScreeningInputs(*item);
    EXPECT_EQ(inputs.charset, "");
    EXPECT_EQ(inputs.screening_text, "");
}

TEST_F(ReadScreeningInputsTest, ARefusedClassReadReachesTheCaller) {
    const auto item = outlook.AddItem(outlook.Inbox(), {{tag::Body, "x"}});
    item->Faults().Refuse("Class", 1);
    EXPECT_THROW(addin.ReadScreeningInputs(*item), host::HostError);
}

}  // namespace
}  // namespace tarn::addin
