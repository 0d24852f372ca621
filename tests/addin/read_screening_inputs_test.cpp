#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

class ReadScreeningInputsTest : public AddinFixture {
protected:
    const std::string headers = "Received: from x\r\nContent-Type: text/plain; charset=koi8-r\r\n";
    std::shared_ptr<host::sim::SimItem> Stored(host::sim::PropertyMap properties, long item_class = host::item_class::Mail) {
        return outlook.AddItem(outlook.Inbox(), std::move(properties), item_class);
    }
    screening::ScreeningInputs Read(host::Item& item) { return screening::ReadScreeningInputs(item, addin.View(), services.diagnostics); }
};

TEST_F(ReadScreeningInputsTest, HeadersAreFollowedDirectlyByTheHtmlBody) {
    const auto item = Stored({{tag::TransportMessageHeaders, headers}, {tag::BodyHtml, "<p>hi</p>"}, {tag::Body, "hi"}});
    const auto inputs = Read(*item);
    EXPECT_EQ(inputs.charset, "koi8-r");
    EXPECT_EQ(inputs.screening_text, headers + "<p>hi</p>");
}

TEST_F(ReadScreeningInputsTest, ThePlainBodyServesWhenThereIsNoHtml) {
    const auto inputs = Read(*Stored({{tag::Body, "plain"}}));
    EXPECT_EQ(inputs.charset, "");
    EXPECT_EQ(inputs.screening_text, "plain");
}

TEST_F(ReadScreeningInputsTest, TheBodyIsCutToItsFirst5000Characters) {
    const auto item = Stored({{tag::TransportMessageHeaders, headers},
                              {tag::Body, std::string(4999, 'a') + "bc" + std::string(100, 'z')}});
    EXPECT_EQ(Read(*item).screening_text, headers + std::string(4999, 'a') + "b");
}

TEST_F(ReadScreeningInputsTest, ItemsThatAreNotMailGiveNothing) {
    const auto inputs = Read(*Stored({{tag::Body, "notes"}}, host::item_class::Contact));
    EXPECT_EQ(inputs.screening_text, "");
    EXPECT_EQ(inputs.charset, "");
}

TEST_F(ReadScreeningInputsTest, AnItemThatIsNoMessageHasNoHeadersAndNoCharset) {
    const auto item = Stored({{tag::TransportMessageHeaders, headers}, {tag::Body, "x"}});
    item->SetAnswersMessage(false);
    const auto inputs = Read(*item);
    EXPECT_EQ(inputs.charset, "");
    EXPECT_EQ(inputs.screening_text, "");
}

TEST_F(ReadScreeningInputsTest, ARefusedClassReadReachesTheCaller) {
    const auto item = Stored({{tag::Body, "x"}});
    item->Faults().Refuse("Class", 1);
    EXPECT_THROW(Read(*item), host::HostError);
}

}  // namespace
}  // namespace tarn::addin
