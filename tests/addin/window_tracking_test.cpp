// The add-in following Outlook's windows: selections in main windows, and the toolbar of
// each message window.
#include <gmock/gmock.h>

#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::ElementsAre;

class WindowTracking : public AddinFixture {
protected:
    void SetUp() override {
        explorer = OpenMainWindow();
        Connect();
    }
    std::shared_ptr<host::sim::SimItem> Mail(const std::string& subject) {
        return outlook.AddItem(outlook.Inbox(), {{tag::Subject, subject}, {tag::Body, "RATE=0"}});
    }
    std::shared_ptr<host::sim::SimItem> Contact() {
        return outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), {}, host::item_class::Contact);
    }
    void Select(std::vector<std::shared_ptr<host::sim::SimItem>> items,
                const std::shared_ptr<host::sim::SimExplorer>& where = nullptr) {
        outlook.Select(where ? where : explorer, std::move(items));
        Pump();
    }
    // Whether each of the four selection buttons is enabled, in their order.
    std::vector<bool> Enabled() {
        std::vector<bool> enabled;
        for (const char16_t* tag : {u"btnGreenFace", u"btnRedFace", u"btnAllowSub", u"btnBanSub"}) {
            enabled.push_back(explorer->Bars()->FindControl(host::ControlType::Button, tag)->Enabled());
        }
        return enabled;
    }

    std::shared_ptr<host::sim::SimExplorer> explorer;
};

TEST_F(WindowTracking, AContactDisablesTheMessageButtonsAndMailEnablesThem) {
    Select({Contact()});
    EXPECT_THAT(Enabled(), ElementsAre(false, false, false, false));
    EXPECT_EQ(addin.CurrentSubject(), "");
    Select({Mail("Quarterly figures")});
    EXPECT_THAT(Enabled(), ElementsAre(true, true, true, true));
    EXPECT_EQ(addin.CurrentSubject(), "Quarterly figures");
}

TEST_F(WindowTracking, TheFirstSelectedItemDecides) {
    Select({Mail("first"), Contact()});
    EXPECT_THAT(Enabled(), ElementsAre(true, true, true, true));
    EXPECT_EQ(addin.CurrentSubject(), "first");
}

TEST_F(WindowTracking, AnEmptySelectionKeepsTheButtonsAndTheSubject) {
    Select({Mail("kept")});
    Select({});
    EXPECT_THAT(Enabled(), ElementsAre(true, true, true, true));
    EXPECT_EQ(addin.CurrentSubject(), "kept");
}

TEST_F(WindowTracking, AHiddenButtonIsLeftAlone) {
    explorer->Bars()->FindControl(host::ControlType::Button, u"btnBanSub")->SetVisible(false);
    Select({Contact()});
    EXPECT_THAT(Enabled(), ElementsAre(false, false, false, true));
}

TEST_F(WindowTracking, ASecondMainWindowIsFollowedAndClosingTheFirstForgetsOnlyIt) {
    const auto second = outlook.OpenExplorer(outlook.Inbox());
    Pump();
    EXPECT_TRUE(second->Bars()->FindControl(host::ControlType::Button, u"btnAbout") == nullptr);  // no toolbars there
    outlook.Activate(explorer);
    outlook.Close(explorer);
    Pump();
    Select({Mail("from the second window")}, second);
    EXPECT_EQ(addin.CurrentSubject(), "from the second window");
}

TEST_F(WindowTracking, AMessageWindowGetsItsToolbarWithFiveButtons) {
    const auto inspector = outlook.OpenInspector(Mail("open me"));
    Pump();
    std::shared_ptr<host::sim::SimCommandBar> bar;
    for (const auto& candidate : inspector->Bars()->Elements()) {
        if (candidate->State().name == u"OrvikSelector") bar = candidate;
    }
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->State().enabled);
    std::vector<std::string> tags;
    for (const auto& control : bar->Contents().Elements()) tags.push_back(platform::Narrow(control->State().tag));
    EXPECT_THAT(tags, ElementsAre("btnAbout", "OrvikPlus", "OrvikMinus", "btnGreenFace", "btnRedFace"));
    EXPECT_EQ(bar->Contents().Elements()[0]->State().style, host::button_style::IconOnly);
    EXPECT_EQ(bar->Contents().Elements()[1]->State().tooltip_text, u"");
}

TEST_F(WindowTracking, AContactsWindowGetsADisabledToolbarWithoutButtons) {
    const auto inspector = outlook.OpenInspector(Contact());
    Pump();
    const auto bar = inspector->Bars()->Elements().back();
    EXPECT_EQ(bar->State().name, u"OrvikSelector");
    EXPECT_FALSE(bar->State().enabled);
    EXPECT_EQ(bar->Contents().Size(), 0);
}

TEST_F(WindowTracking, TwoMainWindowsAtShutdownStillLetTheSettingsBeSaved) {
    outlook.OpenExplorer(outlook.Inbox());
    Pump();
    addin.Settings().block_english = true;
    Disconnect();
    EXPECT_NE(dir.Read("registry.reg").find("\"BlockEnglish\"=dword:00000001"), std::string::npos);
}

TEST_F(WindowTracking, ASelectionThatCannotBeReadChangesNothingAndReachesNoOne) {
    Select({Mail("before")});
    outlook.Faults().Refuse("Item.Class");
    Select({Contact()});
    EXPECT_THAT(Enabled(), ElementsAre(true, true, true, true));
    EXPECT_EQ(addin.CurrentSubject(), "before");
}

}  // namespace
}  // namespace tarn::addin
