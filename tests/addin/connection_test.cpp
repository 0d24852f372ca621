// Outlook's connection protocol: how the add-in starts, in which mode, and what stops it.
#include <gmock/gmock.h>

#include "addin/addin_error.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::HasSubstr;

class Connection : public AddinFixture {};

// A host that is not Outlook (Excel, say) connecting the add-in.
struct OtherHost final : host::HostApplication {
    host::ApplicationPtr AsOutlookApplication() override { return nullptr; }
};

TEST_F(Connection, AtOutlooksStartTheStartUpWaitsForStartupCompleteAndTheEntryGetsTheObject) {
    Register();
    OpenMainWindow();
    addin.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
    EXPECT_EQ(addin.Lists(), nullptr);  // nothing started yet
    EXPECT_EQ(add_in_entry->Object(), self);
    addin.OnStartupComplete();
    EXPECT_NE(addin.Lists(), nullptr);
    EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), "NORMAL");
}

TEST_F(Connection, ConnectedWhileOutlookRunsTheStartUpRunsAtOnce) {
    OpenMainWindow();
    addin.OnConnection(outlook.HostApplication(), 0, add_in_entry, self);
    EXPECT_NE(addin.Lists(), nullptr);
    Pump();
    EXPECT_EQ(platform.MessageBoxes().Calls().size(), 1u);  // the first start's welcome, once the loop runs
    const auto spam = Arrive({{tag::Subject, "x"}, {tag::Body, "RATE=99"}});
    EXPECT_EQ(spam->Location(), QuarantineFolder());
}

TEST_F(Connection, AnotherHostIsRefusedWithItsNumberAndNothingStarts) {
    addin.OnConnection(std::make_shared<OtherHost>(), ConnectAtHostStartup, add_in_entry, self);
    try {
        addin.OnStartupComplete();
        FAIL() << "another host was accepted";
    } catch (const AddinError& error) {
        EXPECT_EQ(error.HelpContext(), 31101);
        EXPECT_STREQ(error.what(),
                     "Add-in Orvik' Tarn! initialization is failed. This Add-in doesn't support this application.");
    }
    EXPECT_EQ(addin.Lists(), nullptr);
    EXPECT_TRUE(platform.MessageBoxes().Calls().empty());  // told to Outlook, not shown
}

TEST_F(Connection, TheStartModeIsReadWithoutRegardToCaseAndAnythingElseIsAFirstStart) {
    Register();
    for (const auto& [stored, mode, written] :
         std::vector<std::tuple<std::string, StartMode, std::string>>{{"normal", StartMode::Normal, "normal"},
                                                                      {"RESET", StartMode::FirstStart, "NORMAL"},
                                                                      {"", StartMode::FirstStart, "NORMAL"},
                                                                      {"FirstStart", StartMode::FirstStart, "NORMAL"}}) {
        Key().WriteAddInValue("AxpStartMode", stored);
        TTarnAddin fresh{services, dialogs, engine, faces, registration, dir.Path()};
        fresh.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
        fresh.OnStartupComplete();
        EXPECT_EQ(fresh.CurrentStartMode(), mode) << stored;
        EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), written) << stored;
        fresh.OnBeginShutdown();
        fresh.OnDisconnection(DisconnectAtHostShutdown);
    }
}

TEST_F(Connection, WithoutTheAddInKeyTheStartModeStaysFirstStartAndIsNotWritten) {
    Connect();
    EXPECT_EQ(addin.CurrentStartMode(), StartMode::FirstStart);
    EXPECT_FALSE(Key().Opens());
}

TEST_F(Connection, BeingUninstalledTheAddInStaysInertAndWritesNothing) {
    Register();
    Key().WriteAddInValue("AxpStartMode", "UNINSTALL");
    const auto explorer = OpenMainWindow();
    const auto bars_before = explorer->Bars()->Size();
    Connect();
    EXPECT_EQ(explorer->Bars()->Size(), bars_before);
    EXPECT_EQ(addin.Lists(), nullptr);
    const auto item = Arrive({{tag::Body, "RATE=99"}});
    EXPECT_EQ(item->Location(), outlook.Inbox());
    Disconnect();
    EXPECT_FALSE(std::filesystem::exists(dir / "OKsenders.tarn"));
    EXPECT_EQ(dir.Read("registry.reg").find("Orvik' Tarn4OL"), std::string::npos);  // no settings written
}

TEST_F(Connection, InAProcessThatLoadedTheLibraryToRegisterItNothingStartsOrIsWritten) {
    Register();
    const auto explorer = OpenMainWindow();
    const auto bars_before = explorer->Bars()->Size();
    addin.SetLoadedForRegistration(true);
    Connect();
    EXPECT_EQ(explorer->Bars()->Size(), bars_before);
    EXPECT_EQ(addin.Lists(), nullptr);
    EXPECT_TRUE(dialogs.AboutWindows().empty());
    Disconnect();
    EXPECT_FALSE(std::filesystem::exists(dir / "OKsenders.tarn"));
    EXPECT_EQ(dir.Read("registry.reg").find("Orvik' Tarn4OL\\Settings"), std::string::npos);
    // The start mode still moves on from a first start, as the key says.
    EXPECT_EQ(Key().ReadAddInValue("AxpStartMode"), "NORMAL");
}

TEST_F(Connection, WithoutAWindowThereAreNoToolbarsButMailIsScreened) {
    ConnectWithoutMainWindow();
    EXPECT_TRUE(faces.requests.empty());
    const auto spam = Arrive({{tag::Subject, "x"}, {tag::Body, "RATE=99"}});
    EXPECT_EQ(spam->Location(), QuarantineFolder());
}

TEST_F(Connection, AToolbarThatCannotBeBuiltEndsTheStartUpWithTheErrorMessage) {
    OpenMainWindow();
    outlook.Faults().Refuse("CommandBarControls.Add");
    Connect();
    ASSERT_EQ(platform.MessageBoxes().Calls().size(), 1u);
    EXPECT_THAT(platform::Narrow(platform.MessageBoxes().Calls()[0].text),
                HasSubstr("Orvik' Tarn! error: the add-in has fired an exception.\r\nCommandBarControls.Add"));
    EXPECT_EQ(addin.Lists(), nullptr);  // no lists, no hooks
    const auto item = Arrive({{tag::Body, "RATE=99"}});
    EXPECT_EQ(item->Location(), outlook.Inbox());
    Disconnect();
    EXPECT_FALSE(std::filesystem::exists(dir / "OKsenders.tarn"));  // nothing loaded, nothing written
    EXPECT_FALSE(std::filesystem::exists(dir / "registry.reg"));
}

TEST_F(Connection, WindowHooksThatFailStillLetTheShutdownSaveWhatWasLoaded) {
    outlook.Faults().Refuse("Explorers.OnNewExplorer");
    outlook.Faults().Refuse("Inspectors.OnNewInspector");
    Connect();
    addin.Lists()->List(store::ListKind::FriendSenders).Add("ann@example.com");
    Disconnect();
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "--++protected senders++--\r\nann@example.com\r\n");
}

TEST_F(Connection, UnloadedByTheUserTheAddInShutsDownItself) {
    OpenMainWindow();
    Connect();
    addin.Lists()->List(store::ListKind::BannedSenders).Add("spam.example");
    addin.OnDisconnection(1);
    EXPECT_EQ(dir.Read("BanSenders.tarn"), "--++BANNED SENDERS++--\r\nspam.example\r\n");
}

}  // namespace
}  // namespace tarn::addin
