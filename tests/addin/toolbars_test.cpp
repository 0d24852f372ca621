// The main window's toolbars: built as the table says, kept in step with the add-in key, and
// released when Outlook closes.
#include <gmock/gmock.h>

#include "addin/addin_error.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::ElementsAre;
using host::sim::SimCommandBar;
using host::sim::SimCommandBarControl;

class Toolbars : public AddinFixture {
protected:
    void SetUp() override {
        Register();
        explorer = OpenMainWindow();
    }
    std::shared_ptr<SimCommandBar> Bar(const std::u16string& name) {
        for (const auto& bar : explorer->Bars()->Elements()) {
            if (bar->State().name == name) return bar;
        }
        return nullptr;
    }
    std::vector<std::string> Tags(const std::u16string& bar_name) {
        std::vector<std::string> tags;
        for (const auto& control : Bar(bar_name)->Contents().Elements()) tags.push_back(platform::Narrow(control->State().tag));
        return tags;
    }
    std::shared_ptr<SimCommandBarControl> Button(const std::u16string& tag) {
        return std::dynamic_pointer_cast<SimCommandBarControl>(explorer->Bars()->FindControl(host::ControlType::Button, tag));
    }

    std::shared_ptr<host::sim::SimExplorer> explorer;
};

TEST_F(Toolbars, BothBarsHoldTheirButtonsInOrderWithCaptionsHintsAndFaces) {
    Connect();
    ASSERT_NE(Bar(u"Tarn-General"), nullptr);
    ASSERT_NE(Bar(u"Tarn-Tools"), nullptr);
    EXPECT_THAT(Tags(u"Tarn-General"), ElementsAre("btnAbout", "btnSettings", "btnGreenFace", "btnRedFace",
                                                   "btnAllowSub", "btnBanSub", "btnInfo"));
    EXPECT_THAT(Tags(u"Tarn-Tools"), ElementsAre("btnProCur", "btnDoCurFold", "btnCurrentReport", "btnQuarantine"));
    for (const char16_t* name : {u"Tarn-General", u"Tarn-Tools"}) {
        EXPECT_TRUE(Bar(name)->State().visible);
        EXPECT_TRUE(Bar(name)->State().temporary);
        EXPECT_EQ(Bar(name)->State().position, host::BarPosition::Top);
    }
    const auto& about = Button(u"btnAbout")->State();
    EXPECT_EQ(about.caption, u"Orvik' Tarn");
    EXPECT_EQ(about.tooltip_text, u"About Tarn4OL...");
    EXPECT_EQ(about.style, host::button_style::IconAndCaption);
    EXPECT_TRUE(about.temporary);
    EXPECT_EQ(Button(u"btnQuarantine")->State().caption, u"Empty Quarantine Folder");
    EXPECT_EQ(Button(u"btnQuarantine")->State().tooltip_text, u"Move all Quarantined Messages to Trash");
    std::vector<std::string> bitmaps;
    for (const auto& request : faces.requests) {
        bitmaps.push_back(request.bitmap);
        EXPECT_FALSE(request.transparent_colour.has_value());  // the bottom-left pixel's colour
    }
    EXPECT_THAT(bitmaps, ElementsAre("ORVIK", "OPTIONS", "GREENFACE", "REDFACE", "GREENENVELOPE", "REDENVELOPE",
                                     "INFO", "PROCUR", "TARNFOLDER", "REPORT", "EMPTYQ"));
    EXPECT_EQ(Button(u"btnAbout")->State().picture, (host::Picture{1, 1, {1}}));
    EXPECT_EQ(Button(u"btnAbout")->State().mask, (host::Picture{1, 1, {0xFFFFFF}}));
}

TEST_F(Toolbars, TheAddInKeyListsEveryBarAndControlOnce) {
    Connect();
    EXPECT_EQ(Key().ReadAddInValue("CmdBars"), "Tarn-General\\Tarn-Tools\\");
    EXPECT_EQ(Key().ReadAddInValue("CtrlTags"),
              "BTN:btnAbout\\BTN:btnSettings\\BTN:btnGreenFace\\BTN:btnRedFace\\BTN:btnAllowSub\\BTN:btnBanSub\\"
              "BTN:btnInfo\\BTN:btnProCur\\BTN:btnDoCurFold\\BTN:btnCurrentReport\\BTN:btnQuarantine\\");
    EXPECT_EQ(Key().ReadAddInValue("Tarn-General"), "");
    Disconnect();
    // Made again at the next start, the bars are not listed again.
    Bar(u"Tarn-General")->Delete();
    Bar(u"Tarn-Tools")->Delete();
    TTarnAddin again{services, dialogs, engine, faces, registration, dir.Path()};
    again.OnConnection(outlook.HostApplication(), 0, add_in_entry, self);
    EXPECT_EQ(Key().ReadAddInValue("CmdBars"), "Tarn-General\\Tarn-Tools\\");
    again.OnBeginShutdown();
    again.OnDisconnection(DisconnectAtHostShutdown);
}

TEST_F(Toolbars, OutlookClosingHidesAndMarksTheControlsAndBars) {
    Connect();
    Disconnect();
    const auto& about = Button(u"btnAbout")->State();
    EXPECT_FALSE(about.visible);
    EXPECT_EQ(about.parameter, u"UserClose");
    EXPECT_FALSE(Bar(u"Tarn-General")->State().visible);
    EXPECT_EQ(Key().ReadAddInValue("Tarn-General"), "UserClose");
    EXPECT_EQ(Key().ReadAddInValue("Tarn-Tools"), "UserClose");
}

TEST_F(Toolbars, AFirstStartMakesExistingButtonsAnewAndANormalStartKeepsThem) {
    // The main window stays open while the add-in is loaded, unloaded and loaded again.
    Connect();  // the first start after registration
    Disconnect();
    const auto kept = Button(u"btnAbout");
    const std::size_t faces_before = faces.requests.size();
    {
        TTarnAddin again{services, dialogs, engine, faces, registration, dir.Path()};
        again.OnConnection(outlook.HostApplication(), 0, add_in_entry, self);
        EXPECT_EQ(Button(u"btnAbout"), kept);
        EXPECT_TRUE(kept->State().visible);  // shown again and listened to
        EXPECT_EQ(kept->State().parameter, u"0");
        EXPECT_TRUE(Bar(u"Tarn-General")->State().visible);
        EXPECT_EQ(faces.requests.size(), faces_before);  // a button kept keeps its face
        again.OnBeginShutdown();
        again.OnDisconnection(DisconnectAtHostShutdown);
    }
    Key().WriteAddInValue("AxpStartMode", "FIRSTSTART");  // registered again
    TTarnAddin renewed{services, dialogs, engine, faces, registration, dir.Path()};
    renewed.OnConnection(outlook.HostApplication(), 0, add_in_entry, self);
    EXPECT_NE(Button(u"btnAbout"), kept);  // deleted and made anew, with its face
    EXPECT_EQ(kept->State().delete_temporary, false);
    EXPECT_FALSE(Button(u"btnAbout")->State().temporary);
    EXPECT_EQ(faces.requests.size(), faces_before + 11);
    renewed.OnBeginShutdown();
    renewed.OnDisconnection(DisconnectAtHostShutdown);
}

TEST_F(Toolbars, ABarFoundByItsLocalNameIsAdopted) {
    const auto localized = explorer->Bars()->Create(u"Tarn-Allgemein", host::BarPosition::Top, true);
    localized->State().name_local = u"Tarn-General";
    Connect();
    EXPECT_EQ(Bar(u"Tarn-General"), nullptr);  // no second bar was made
    EXPECT_EQ(localized->Contents().Size(), 7);
}

TEST_F(Toolbars, ABarLeftJustMadeByAStoppedRunIsMadeAgain) {
    const auto left = explorer->Bars()->Create(u"Tarn-General", host::BarPosition::Top, true);
    Key().WriteAddInValue("Tarn-General", "FirstStart");
    Connect();
    EXPECT_NE(Bar(u"Tarn-General"), left);
    EXPECT_EQ(Bar(u"Tarn-General")->Contents().Size(), 7);
}

TEST_F(Toolbars, AnApostropheInABarNameIsRefusedWithItsNumber) {
    Connect();
    bool created = false;
    try {
        addin.AddCommandBar(u"Orvik's", created, host::BarPosition::Top, true);
        FAIL() << "the name was accepted";
    } catch (const AddinError& error) {
        EXPECT_EQ(error.HelpContext(), 31103);
        EXPECT_STREQ(error.what(), "Illegal character in the Orvik's commandbar name.");
    }
}

TEST_F(Toolbars, AControlForABarThatDoesNotExistIsRefusedWithItsNumber) {
    Connect();
    bool created = false;
    try {
        addin.AddButton(u"Nowhere", u"Lost", u"btnLost", u"", "", 3, created, std::nullopt, nullptr,
                        DefaultTransparentColour, true);
        FAIL() << "the control was made";
    } catch (const AddinError& error) {
        EXPECT_EQ(error.HelpContext(), 31102);
        EXPECT_STREQ(error.what(), "Control Lost initialization is failed. Can not find the Nowhere Command Bar.");
    }
}

TEST_F(Toolbars, AnExplicitTransparentColourReachesTheFace) {
    Connect();
    bool created = false;
    addin.AddButton(u"Tarn-Tools", u"Extra", u"btnExtra", u"", "REPORT", 1, created, std::nullopt, nullptr, 0x00FF00FF,
                    true);
    ASSERT_TRUE(created);
    EXPECT_EQ(faces.requests.back().transparent_colour, 0x00FF00FFu);
    EXPECT_EQ(Button(u"btnExtra")->State().style, 1);
}

}  // namespace
}  // namespace tarn::addin
