// The add-in in today's Outlook: the start leaves everything that waits or takes long to the
// message loop, changes are written a moment after they happen, and a normal exit (the windows
// close, Quit, then the process ends without OnBeginShutdown or OnDisconnection) loses nothing.
#include <gmock/gmock.h>

#include "dialogs/headless/dialog_script.h"
#include "platform/files.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using store::ListKind;
using namespace std::chrono_literals;

class TodaysOutlook : public AddinFixture {
protected:
    void Stored(const char* name, std::uint32_t value) {
        registry.OpenKey(store::SettingsKeyPath, true)->WriteNumber(name, value);
    }
    // A start after the first: the address book was scanned before.
    void ConnectLater() {
        Stored("Load OL Addresses", 0);
        main_window = OpenMainWindow();
        Connect();
    }
    void Sent(std::u16string recipient) {
        host::sim::ItemContent sent;
        sent.recipients.push_back({u"", std::move(recipient)});
        outlook.AddMail(outlook.DefaultFolder(host::DefaultFolder::SentMail), sent);
        Pump();
    }
    void Wait(std::chrono::milliseconds duration) {
        platform.Clock().Advance(duration);
        Pump();
    }
    std::string Friends() { return dir.Read("OKsenders.tarn"); }
    // The probe is one library for all tests: it starts each with no lessons.
    void SetUp() override { engine.AnalyzeThisSpit("FORGET LESSONS"); }
    // What the probe engine was taught and when it saved, in order.
    std::string Lessons() { return engine.AnalyzeThisSpit("LESSONS").text; }
    std::shared_ptr<host::sim::SimExplorer> main_window;
    std::vector<std::string> Failures() {
        std::vector<std::string> lines;
        for (const auto& call : platform.DebugOutput().Calls()) lines.push_back(call);
        return lines;
    }
};

TEST_F(TodaysOutlook, TheStartShowsNothingAndLeavesTheFirstStartsWelcomeAndScansToTheMessageLoop) {
    OpenMainWindow();
    outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({"ann@example.com"}),
                    host::item_class::Contact);
    Pump();
    addin.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
    addin.OnStartupComplete();
    // Nothing waited for the user inside the start, and nothing long ran there.
    EXPECT_TRUE(platform.MessageBoxes().Calls().empty());
    EXPECT_TRUE(dialogs.ProgressWindows().empty());
    EXPECT_TRUE(dialogs.AboutWindows().empty());
    EXPECT_EQ(addin.Lists()->List(ListKind::FriendSenders).Count(), 1u);
    // Mail that arrives before the loop runs is screened all the same.
    const auto spam = outlook.AddItem(outlook.Inbox(), {{tag::Subject, "offer"}, {tag::Body, "RATE=90"}});
    Pump();
    EXPECT_EQ(platform.MessageBoxes().Calls().size(), 1u);  // the welcome, with the quarantine's place
    EXPECT_EQ(addin.Lists()->List(ListKind::FriendSenders).Entries(),
              (std::vector<std::string>{"--++protected senders++--", "ann@example.com"}));
    EXPECT_EQ(spam->Location(), QuarantineFolder());
    // The welcome greets the first start instead of the splash.
    EXPECT_TRUE(dialogs.AboutWindows().empty());
    // The scans' end was written at once: the next start will not scan again.
    EXPECT_EQ(registry.OpenKey(store::SettingsKeyPath, false)->Read("Load OL Addresses")->number, 0u);
}

TEST_F(TodaysOutlook, ALaterStartShowsTheSplashWithoutWaitingForItAndItClosesByItself) {
    Stored("Load OL Addresses", 0);
    OpenMainWindow();
    addin.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
    addin.OnStartupComplete();
    EXPECT_TRUE(dialogs.AboutWindows().empty());
    Pump();
    ASSERT_EQ(dialogs.AboutWindows().size(), 1u);
    EXPECT_EQ(dialogs.AboutWindows()[0]->showings, (std::vector<std::optional<std::chrono::milliseconds>>{3000ms}));
    EXPECT_TRUE(platform.MessageBoxes().Calls().empty());
}

// Outlook started by another program loads its add-ins without a main window: the toolbars, the
// welcome and the first start's scans come when the first main window opens.
TEST_F(TodaysOutlook, WithoutAMainWindowTheToolbarsAndTheFirstStartWaitForOne) {
    outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({"ann@example.com"}),
                    host::item_class::Contact);
    ConnectWithoutMainWindow();
    EXPECT_TRUE(platform.MessageBoxes().Calls().empty());
    EXPECT_EQ(addin.Lists()->List(ListKind::FriendSenders).Count(), 1u);
    const auto spam = Arrive({{tag::Subject, "offer"}, {tag::Body, "RATE=90"}});  // screened all the same
    EXPECT_EQ(spam->Location(), QuarantineFolder());

    const auto window = outlook.OpenExplorer(outlook.Inbox());
    Pump();
    EXPECT_NE(window->Bars()->FindControl(host::ControlType::Button, u"btnRedFace"), nullptr);
    EXPECT_EQ(platform.MessageBoxes().Calls().size(), 1u);  // the welcome
    EXPECT_EQ(addin.Lists()->List(ListKind::FriendSenders).Count(), 2u);
    // A second window is only followed.
    outlook.OpenExplorer(outlook.Inbox());
    Pump();
    EXPECT_EQ(platform.MessageBoxes().Calls().size(), 1u);
}

TEST_F(TodaysOutlook, AStartThatShutsDownBeforeTheLoopRunsLeavesNothingBehindToRun) {
    OpenMainWindow();
    addin.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
    addin.OnStartupComplete();
    Disconnect();
    Pump();
    EXPECT_TRUE(platform.MessageBoxes().Calls().empty());
    EXPECT_TRUE(dialogs.ProgressWindows().empty());
}

TEST_F(TodaysOutlook, FriendsFromSentMailAreWrittenAMomentAfterTheLastOneInOneWrite) {
    ConnectLater();
    const std::string before = Friends();
    Sent(u"ann@example.com");
    Wait(1s);
    Sent(u"bob@example.com");
    Wait(1500ms);
    EXPECT_EQ(Friends(), before);  // still waiting for more
    Wait(600ms);
    EXPECT_EQ(Friends(), "--++protected senders++--\r\nann@example.com\r\nbob@example.com\r\n");
    // A recipient who is a friend already changes nothing, and nothing is written.
    std::filesystem::remove(dir / "OKsenders.tarn");
    Sent(u"ann@example.com");
    Wait(5s);
    EXPECT_FALSE(std::filesystem::exists(dir / "OKsenders.tarn"));
}

TEST_F(TodaysOutlook, LessonsAreWrittenAMomentAfterTheLastLesson) {
    ConnectLater();
    engine.LearnThisSpit("first", true);
    Wait(1s);
    engine.UnlearnThisSpit("second", false);
    Wait(1s);
    EXPECT_EQ(Lessons(), "+spam 5 -ham 6");
    Wait(1s);
    EXPECT_EQ(Lessons(), "+spam 5 -ham 6 saved");
}

TEST_F(TodaysOutlook, AFastExitWritesWhatWaitedAndMakesTheReportOnExitWithoutAWindow) {
    Stored("Reporting Interval", 5);  // upon exit only
    ConnectLater();
    Sent(u"carol@example.com");
    engine.LearnThisSpit("lesson", true);
    Arrive({{tag::Subject, "offer"}, {tag::Body, "RATE=90"}});
    EXPECT_THAT(Friends(), Not(HasSubstr("carol")));
    const std::size_t boxes = platform.MessageBoxes().Calls().size();
    Quit();
    EXPECT_THAT(Friends(), HasSubstr("carol@example.com\r\n"));
    EXPECT_EQ(Lessons(), "+spam 6 saved");
    EXPECT_THAT(dir.Read("FLUSH.htm"), HasSubstr("offer"));
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_EQ(platform.MessageBoxes().Calls().size(), boxes);
    EXPECT_THAT(Failures(), IsEmpty());
}

TEST_F(TodaysOutlook, TheOptionsAreWrittenWhenTheDialogClosesNotAtAnExitThatNeverComes) {
    ConnectLater();
    dialogs.ScriptNextOptions(dialogs::ParseDialogScript("choose ListView1 7; tick cbPause; press btnClose"));
    outlook.Click(main_window->Bars()->FindControl(host::ControlType::Button, u"btnSettings"));
    Pump();
    EXPECT_EQ(registry.OpenKey(store::SettingsKeyPath, false)->Read("Paused")->number, 1u);
}

TEST_F(TodaysOutlook, AWriteThatFailsIsRecordedAndTriedAgainAtTheExit) {
    ConnectLater();
    engine.AnalyzeThisSpit("REFUSE SAVES");
    engine.LearnThisSpit("lesson", true);
    Wait(3s);
    Quit();
    // A moment after the lesson, and once more as Outlook closed (its main window, then Quit).
    const auto failures = Failures();
    ASSERT_EQ(failures.size(), 2u);
    for (const auto& failure : failures) {
        EXPECT_THAT(failure, HasSubstr("Learning (writing the lessons): the rating engine could not write"));
    }
    EXPECT_TRUE(platform.MessageBoxes().Calls().empty());
}

TEST_F(TodaysOutlook, DisconnectingInTheComAddInsDialogRunsTheFullShutdownOnce) {
    Stored("Reporting Interval", 5);
    ConnectLater();
    Arrive({{tag::Subject, "offer"}, {tag::Body, "RATE=90"}});
    addin.OnDisconnection(DisconnectByUser);
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);  // the report on exit
    EXPECT_TRUE(std::filesystem::exists(dir / "BanSenders.tarn"));
    // Outlook closes later: the add-in is gone from its events.
    Quit();
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_THAT(Failures(), IsEmpty());
}

}  // namespace
}  // namespace tarn::addin
