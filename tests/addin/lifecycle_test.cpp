#include <gmock/gmock.h>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/locale_format.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::HasSubstr;
using store::ListKind;

class Lifecycle : public AddinFixture {
protected:
    void Stored(const char* name, std::uint32_t value) {
        registry.OpenKey(store::SettingsKeyPath, true)->WriteNumber(name, value);
    }
    void ArriveSpam() { Arrive({{tag::Subject, "offer"}, {tag::Body, "RATE=90"}}); }
};

TEST_F(Lifecycle, AFirstStartKeepsTheDefaultsAndALaterOneShowsTheSplashThatClosesByItself) {
    OpenMainWindow();
    Connect();
    EXPECT_EQ(addin.Settings().reporting_interval, 1);
    EXPECT_EQ(addin.Settings().alphabet_groups, "111111111111");
    ASSERT_NE(addin.Lists(), nullptr);
    EXPECT_EQ(addin.Lists()->List(ListKind::FriendSenders).Count(), 1u);
    EXPECT_TRUE(dialogs.AboutWindows().empty());  // the welcome greets the first start
    Disconnect();
    TTarnAddin later{services, dialogs, engine, faces, registration, dir.Path()};
    later.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
    later.OnStartupComplete();
    Pump();
    ASSERT_EQ(dialogs.AboutWindows().size(), 1u);
    const auto& about = *dialogs.AboutWindows()[0];
    EXPECT_EQ(about.title, u"Orvik' Tarn Add-in for MS Outlook - " +
                               platform::Widen(platform::GeneralNumberText(engine.Getversionnumber(), '.')));
    EXPECT_EQ(about.showings.at(0), std::chrono::milliseconds(3000));
    later.OnBeginShutdown();
    later.OnDisconnection(DisconnectAtHostShutdown);
}

TEST_F(Lifecycle, TheFirstStartMakesFriendsOfTheAddressBookAndTheSentMailOnce) {
    OpenMainWindow();
    outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({"ann@example.com"}),
                    host::item_class::Contact);
    host::sim::ItemContent sent;
    sent.recipients.push_back({u"Bob", u"Bob@Example.net"});
    outlook.AddMail(outlook.DefaultFolder(host::DefaultFolder::SentMail), sent);
    Pump();
    Connect();
    EXPECT_EQ(addin.Lists()->List(ListKind::FriendSenders).Entries(),
              (std::vector<std::string>{"--++protected senders++--", "ann@example.com", "bob@example.net"}));
    EXPECT_FALSE(addin.Settings().load_ol_addresses);
    // The address book and the sent mail reached the file at once; the quarantine has its shortcut.
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "--++protected senders++--\r\nann@example.com\r\nbob@example.net\r\n");
    EXPECT_EQ(QuarantineFolder()->Items()->Count(), 0);
    Disconnect();
    EXPECT_EQ(registry.OpenKey(store::SettingsKeyPath, false)->Read("Load OL Addresses")->number, 0u);

    // The next start scans nothing.
    outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({"eve@example.org"}),
                    host::item_class::Contact);
    TTarnAddin again{services, dialogs, engine, faces, registration, dir.Path()};
    again.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
    again.OnStartupComplete();
    EXPECT_EQ(again.Lists()->List(ListKind::FriendSenders).Count(), 3u);
    again.OnBeginShutdown();
    again.OnDisconnection(DisconnectAtHostShutdown);
}

TEST_F(Lifecycle, AnAddressBookThatCannotBeScannedIsTriedAgainAtTheNextStart) {
    OpenMainWindow();
    outlook.Faults().Refuse("Items.Count", 1);  // the Contacts folder's
    Connect();
    EXPECT_TRUE(addin.Settings().load_ol_addresses);
    ASSERT_NE(addin.Lists(), nullptr);  // start-up went on
}

TEST_F(Lifecycle, TheSplashSettingGovernsTheStartUpShowing) {
    store::Settings stored;
    stored.show_splash = false;
    store::SaveSettings(registry, stored, platform.Diagnostics());
    Connect();
    EXPECT_TRUE(dialogs.AboutWindows().empty());
}

TEST_F(Lifecycle, ShutdownWritesTheSettingsTheListsAndTheReportOnExit) {
    Connect();
    addin.Settings().block_english = true;
    addin.Lists()->List(ListKind::BannedSenders).Add("spam.example");
    ArriveSpam();
    Disconnect();
    EXPECT_EQ(registry.OpenKey(store::SettingsKeyPath, false)->Read("BlockEnglish")->number, 1u);
    EXPECT_EQ(dir.Read("BanSenders.tarn"), "--++BANNED SENDERS++--\r\nspam.example\r\n");
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "--++protected senders++--\r\n");
    EXPECT_THAT(dir.Read("FLUSH.htm"), HasSubstr("offer"));
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);
}

TEST_F(Lifecycle, AfterShutdownArrivingMailIsNoLongerScreened) {
    Connect();
    Disconnect();
    const auto item = outlook.AddItem(outlook.Inbox(), {{tag::Body, "RATE=90"}});
    Pump();
    EXPECT_EQ(item->Location(), outlook.Inbox());
}

TEST_F(Lifecycle, TheReportTimerReportsEveryQuarterHourWhenRowsWait) {
    Connect();
    ArriveSpam();
    platform.Clock().Advance(std::chrono::minutes(14));
    Pump();
    EXPECT_TRUE(platform.Shell().Calls().empty());
    platform.Clock().Advance(std::chrono::minutes(1));
    Pump();
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);
    platform.Clock().Advance(std::chrono::minutes(15));
    Pump();
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);  // nothing new: no empty report
}

TEST_F(Lifecycle, UponExitOnlyTheTimerStaysSilentAndTheExitReports) {
    Stored("Reporting Interval", 5);  // a partial key: the values missing keep their defaults
    Connect();
    ASSERT_EQ(addin.Settings().reporting_interval, 5);
    ASSERT_EQ(addin.Settings().alphabet_groups, "111111111111");
    ArriveSpam();
    platform.Clock().Advance(std::chrono::hours(2));
    Pump();
    EXPECT_TRUE(platform.Shell().Calls().empty());
    Disconnect();
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);
}

TEST_F(Lifecycle, ManualReportingNeverReportsByItself) {
    Connect();
    addin.Settings().automatic_report = 1;
    ArriveSpam();
    platform.Clock().Advance(std::chrono::hours(1));
    Pump();
    Disconnect();
    EXPECT_TRUE(platform.Shell().Calls().empty());
}

TEST_F(Lifecycle, WithDiagnosticsOnContainedFailuresAlsoGoToTheLogFile) {
    Stored("Diagnostics", 1);
    Connect();
    outlook.Faults().Refuse("Item.Move");
    ArriveSpam();
    const std::string log = dir.Read("Tarn4OL.log");
    EXPECT_THAT(log, HasSubstr(" OnInboxItemAdd: Item.Move: refused by the test host\r\n"));
    EXPECT_TRUE(log.starts_with("2026-05-20 09:00:0")) << log;  // the first start's scans take a second
}

TEST_F(Lifecycle, WithoutDiagnosticsNoLogFileIsWritten) {
    Connect();
    outlook.Faults().Refuse("Item.Move");
    ArriveSpam();
    EXPECT_FALSE(std::filesystem::exists(dir / "Tarn4OL.log"));
    EXPECT_EQ(platform.DebugOutput().Calls().size(), 1u);  // a debugger still hears of it
}

TEST_F(Lifecycle, ErrorsAreReportedInTheAddinsOwnMessage) {
    addin.ReportError(std::runtime_error("disk full"));
    ASSERT_EQ(platform.MessageBoxes().Calls().size(), 1u);
    EXPECT_EQ(platform.MessageBoxes().Calls()[0].text,
              u"Orvik' Tarn! error: the add-in has fired an exception.\r\ndisk full");
}

}  // namespace
}  // namespace tarn::addin
