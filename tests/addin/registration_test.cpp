// The add-in's bookkeeping in its hosts' add-in keys, and its removal from the hosts.
#include <gmock/gmock.h>

#include "addin/addin_error.h"
#include "addin/control_key.h"
#include "addin/sink_dispatch.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::ElementsAre;

TEST(AddInKeyPath, OfficeHostsLiveUnderOfficeAndTheOthersBesideIt) {
    EXPECT_EQ(AddInKeyPath(2), "\\Software\\Microsoft\\Office\\Outlook\\AddIns\\Tarn4OL.TarnAddin");
    EXPECT_EQ(AddInKeyPath(5), "\\Software\\Microsoft\\Office\\MS Project\\AddIns\\Tarn4OL.TarnAddin");
    EXPECT_EQ(AddInKeyPath(7), "\\Software\\Microsoft\\MapPoint\\AddIns\\Tarn4OL.TarnAddin");
    EXPECT_EQ(AddInKeyPath(8), "\\Software\\Microsoft\\Visio\\AddIns\\Tarn4OL.TarnAddin");
}

TEST(RecordedLists, SplitAtBackslashesTrimmedAndControlKeysAtTheirFirstColon) {
    EXPECT_THAT(SplitRecordedList("BTN:a\\ POPUP:m \\\\BTN:b\\  "), ElementsAre("BTN:a", "POPUP:m", "", "BTN:b"));
    EXPECT_TRUE(SplitRecordedList("").empty());
    EXPECT_EQ(SplitControlKey(" btn : tag:with:colons "), (SplitKey{"btn", "tag:with:colons"}));
    EXPECT_EQ(SplitControlKey("POPUP"), (SplitKey{"POPUP", ""}));
    EXPECT_EQ(TypeOfKindWord("popup"), host::ControlType::Popup);
    EXPECT_EQ(TypeOfKindWord("BUTTON"), std::nullopt);
}

TEST(SinkDispatch, OneNameOnlyTheControlsEventAndOneMember) {
    const std::vector<std::u16string> click = {u"Click"};
    const std::vector<std::u16string> change = {u"change"};
    const std::vector<std::u16string> two = {u"Click", u"Change"};
    EXPECT_EQ(LookUpEventName(host::ControlType::Button, &click).member, EventMember);
    EXPECT_EQ(LookUpEventName(host::ControlType::Popup, &click).result, sink_result::Ok);
    EXPECT_EQ(LookUpEventName(host::ControlType::ComboBox, &change).result, sink_result::Ok);
    EXPECT_EQ(LookUpEventName(host::ControlType::Button, &change).result, sink_result::UnknownName);
    EXPECT_EQ(LookUpEventName(host::ControlType::Edit, &click).result, sink_result::UnknownName);
    EXPECT_EQ(LookUpEventName(host::ControlType::Button, &two).result, sink_result::InvalidArgument);
    EXPECT_EQ(LookUpEventName(host::ControlType::Button, nullptr).result, sink_result::Pointer);
    EXPECT_EQ(CheckEventCall(EventMember, 2), sink_result::Ok);
    EXPECT_EQ(CheckEventCall(2, 2), sink_result::MemberNotFound);
    EXPECT_EQ(CheckEventCall(EventMember, 0), sink_result::Pointer);
}

// The running Outlook, reached while the add-in is unregistered.
class RunningOutlook final : public host::HostLauncher {
public:
    explicit RunningOutlook(host::ApplicationPtr application) : application_(std::move(application)) {}
    std::unique_ptr<host::ReachedHost> Reach(std::u16string_view prog_id) override {
        reached.emplace_back(prog_id);
        struct Reached final : host::ReachedHost {
            explicit Reached(host::ApplicationPtr app) : application(std::move(app)) {}
            host::ApplicationPtr Application() override { return application; }
            host::ApplicationPtr application;
        };
        return std::make_unique<Reached>(application_);
    }
    std::vector<std::u16string> reached;

private:
    host::ApplicationPtr application_;
};

class Registration : public AddinFixture {
protected:
    RunningOutlook running{outlook.Application()};
    std::shared_ptr<platform::RegistryKey> OpenKey() { return registry.OpenKey(AddInKeyPath(OutlookHost), false); }
};

TEST_F(Registration, WritesTheValuesOfANewRegistrationAndAgainWhenRegisteredTwice) {
    Register();
    Key().WriteAddInValue("CmdBars", "Tarn-General\\");
    Key().WriteAddInValue("AxpStartMode", "NORMAL");
    Register();
    const auto key = OpenKey();
    ASSERT_NE(key, nullptr);
    EXPECT_THAT(key->ValueNames(), ElementsAre("FriendlyName", "Description", "LoadBehavior", "CommandLineSafe",
                                               "CmdBars", "CtrlTags", "AxpStartMode"));
    EXPECT_EQ(key->Read("FriendlyName")->text, "Orvik' Tarn!");
    EXPECT_EQ(key->Read("Description")->text, "Orvik' Spam Filter for MS Outlook");
    EXPECT_EQ(key->Read("LoadBehavior")->number, 3u);
    EXPECT_EQ(key->Read("CommandLineSafe")->number, 0u);
    EXPECT_EQ(key->Read("CmdBars")->text, "");
    EXPECT_EQ(key->Read("AxpStartMode")->text, "FIRSTSTART");
}

TEST_F(Registration, WithoutOutlookNoKeyIsWritten) {
    classes.Unregister(u"Outlook.Application");
    Register();
    EXPECT_EQ(OpenKey(), nullptr);
}

TEST_F(Registration, RecordingABarOrControlTwiceListsItOnce) {
    Register();
    Key().RecordCommandBar("Tarn-General");
    Key().RecordCommandBar("Tarn-Tools");
    Key().RecordCommandBar("Tarn-General");
    Key().RecordControl("BTN:btnAbout");
    Key().RecordControl("BTN:btnAbout");
    EXPECT_EQ(Key().ReadAddInValue("CmdBars"), "Tarn-General\\Tarn-Tools\\");
    EXPECT_EQ(Key().ReadAddInValue("CtrlTags"), "BTN:btnAbout\\");
}

TEST_F(Registration, UnregistrationDeletesTheKeyWithEveryValue) {
    Register();
    Key().WriteAddInValue("Tarn-General", "UserClose");
    registration.DeleteAddInKeys();
    EXPECT_EQ(OpenKey(), nullptr);
}

TEST_F(Registration, RemovingTheControlsTakesPopupsLastAndLeavesBarsThatHoldOthers) {
    Register();
    const auto explorer = OpenMainWindow();
    const auto bars = explorer->Bars();
    const auto ours = bars->Create(u"Tarn-General", host::BarPosition::Top, true);
    const auto shared = bars->Create(u"Shared", host::BarPosition::Top, true);
    const auto a = ours->Contents().Create(host::ControlType::Button, std::nullopt, true);
    a->State().tag = u"a";
    const auto m = ours->Contents().Create(host::ControlType::Popup, std::nullopt, true);
    m->State().tag = u"m";
    const auto inside_m = m->Children()->Create(host::ControlType::Button, std::nullopt, true);
    inside_m->State().tag = u"b";
    const auto b = shared->Contents().Create(host::ControlType::Button, std::nullopt, true);
    b->State().tag = u"b";
    const auto others = shared->Contents().Create(host::ControlType::Button, std::nullopt, true);
    others->State().tag = u"someone else's";
    Key().WriteAddInValue("CtrlTags", "BTN:a\\POPUP:m\\BTN:b\\");
    Key().WriteAddInValue("CmdBars", "Tarn-General\\Shared\\");

    registration.RemoveAddInControls(running);
    // b (both copies, the one inside m first, as FindControl finds them), then a, then the pop-up.
    EXPECT_EQ(inside_m->State().deletion_stamp, 1u);
    EXPECT_EQ(b->State().deletion_stamp, 2u);
    EXPECT_EQ(a->State().deletion_stamp, 3u);
    EXPECT_EQ(m->State().deletion_stamp, 4u);
    EXPECT_EQ(b->State().delete_temporary, false);     // for good
    EXPECT_TRUE(ours->IsDeleted());                    // empty now: gone
    EXPECT_FALSE(shared->IsDeleted());                 // still holds another's button
    EXPECT_FALSE(others->IsDeleted());
    EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), "UNINSTALL");
    EXPECT_EQ(OpenKey()->Read("LoadBehavior")->number, 0u);
    EXPECT_THAT(running.reached, ElementsAre(u"Outlook.Application"));
}

TEST_F(Registration, OutlookWithoutAWindowKeepsItsControlsButTheKeyIsMarked) {
    Register();
    EXPECT_NO_THROW(registration.RemoveAddInControls(running));
    EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), "UNINSTALL");
}

TEST_F(Registration, AFailureWhileRemovingTheControlsHasItsNumber) {
    Register();
    OpenMainWindow();
    Key().WriteAddInValue("CtrlTags", "BTN:a\\");
    outlook.Faults().Refuse("CommandBars.FindControl");
    try {
        registration.RemoveAddInControls(running);
        FAIL() << "the failure was not raised";
    } catch (const AddinError& error) {
        EXPECT_EQ(error.HelpContext(), 31104);
        EXPECT_STREQ(error.what(), "Can't unregister add-in controls.");
    }
}

TEST_F(Registration, TheUserTakingTheAddInOutOfOutlooksListRemovesItsControls) {
    Register();
    const auto explorer = OpenMainWindow();
    Connect();
    ASSERT_NE(explorer->Bars()->FindControl(host::ControlType::Button, u"btnAbout"), nullptr);
    outlook.RemoveComAddIn(std::u16string(ProgId));
    addin.OnDisconnection(1);
    EXPECT_EQ(explorer->Bars()->FindControl(host::ControlType::Button, u"btnAbout"), nullptr);
    EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), "UNINSTALL");
}

TEST_F(Registration, UnloadedButStillListedTheControlsStay) {
    Register();
    const auto explorer = OpenMainWindow();
    Connect();
    addin.OnDisconnection(1);
    EXPECT_NE(explorer->Bars()->FindControl(host::ControlType::Button, u"btnAbout"), nullptr);
    EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), "NORMAL");
}

}  // namespace
}  // namespace tarn::addin
