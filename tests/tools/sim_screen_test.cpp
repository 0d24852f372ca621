// tarn4ol-sim as a user runs it: the sample mailbox screened end to end, in JSON.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <regex>
#include <string>

#include "tests/support/temp_dir.h"
#include "tests/tools/sim_runner.h"
#include "tools/sim/state_lock.h"

namespace tarn::tools::sim {
namespace {

using ::testing::HasSubstr;

// The "decision" of each message, by the file name of its source.
std::map<std::string, std::string> Decisions(const std::string& json_lines) {
    std::map<std::string, std::string> decisions;
    const std::regex line(R"re(\{"source":"[^"]*/([^"/]+\.eml)".*"decision":"([^"]+)")re");
    for (std::sregex_iterator match(json_lines.begin(), json_lines.end(), line), end; match != end; ++match) {
        decisions[(*match)[1]] = (*match)[2];
    }
    return decisions;
}

TEST(SimulatorOnTheSampleMailbox, EveryMessageGetsTheVerdictItWasWrittenFor) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--sent samples/sent samples/inbox");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto decisions = Decisions(run.out);
    ASSERT_EQ(decisions.size(), 13u) << run.out;
    EXPECT_EQ(decisions.at("01-colleague-plain-text.eml"), "friend sender");
    EXPECT_EQ(decisions.at("04-chinese-gb2312.eml"), "Alphabet");
    EXPECT_EQ(decisions.at("05-russian-koi8r.eml"), "Alphabet");
    EXPECT_EQ(decisions.at("06-encoded-word-in-body.eml"), "Err. format");
    EXPECT_EQ(decisions.at("07-pharmacy-sender.eml"), "Banned Sender");
    EXPECT_EQ(decisions.at("08-casino-invitation.eml"), "Banned Content");
    EXPECT_EQ(decisions.at("09-hyperlink-field-text.eml"), "Suspicious");
    EXPECT_EQ(decisions.at("10-supplier-invoice.eml"), "protected word");
    // Anna Kowalski was among the recipients of the sent mail.
    EXPECT_EQ(decisions.at("11-long-report-many-spaces.eml"), "friend sender");
    for (const char* rated : {"02-newsletter-alternative.eml", "12-several-recipients.eml", "13-no-to-header.eml"}) {
        EXPECT_EQ(decisions.at(rated), "rated below 50") << rated;
    }
    EXPECT_THAT(decisions.at("03-marketing-html-only.eml"), ::testing::AnyOf("rating engine", "rated below 50"));
    EXPECT_THAT(run.out, HasSubstr("{\"summary\":{\"screened\":13,"));
    const std::string report = dir.Read("state/FLUSH.htm");
    EXPECT_THAT(report, HasSubstr("<TD>offers@cheap-pill...</TD>"));  // cut to 20 characters
    EXPECT_THAT(report, HasSubstr("<I>Banned Sender&gt;</I>"));
    EXPECT_THAT(report, ::testing::Not(HasSubstr("maria.lindqvist")));
    EXPECT_EQ(dir.Read("state/OKsenders.tarn"),
              "--++protected senders++--\r\nanna.kowalski@example.com\r\nliam.byrne@example.com\r\n"
              "maria.lindqvist@example.com\r\npayables@example.net\r\npriya.nair@example.com\r\n"
              "purchasing@example.net\r\n");
}

TEST(SimulatorOnTheSampleMailbox, SettingsForTheRunReachTheOtherVerdictsAndAreNotKept) {
    test_support::TempDir dir;
    const SimRun strict = Simulate(dir, "--set OnlyAddressBook=1 samples/inbox");
    ASSERT_EQ(strict.status, 0) << strict.out;
    EXPECT_EQ(Decisions(strict.out).at("13-no-to-header.eml"), "Not in Address-Book");
    EXPECT_THAT(dir.Read("state/registry.reg"), HasSubstr("\"OnlyAddressBook\"=dword:00000000"));

    test_support::TempDir english_dir;
    const SimRun english = Simulate(english_dir, "--set BlockEnglish=1 samples/inbox");
    EXPECT_EQ(Decisions(english.out).at("09-hyperlink-field-text.eml"), "English");
}

// The close runs with the settings in force: a run that says "never" makes no report at exit.
TEST(SimulatorOnTheSampleMailbox, TheExitRunsWithTheRunsOwnSettings) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--set \"Reporting Interval=0\" samples/inbox");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("\"report\":null"));
    EXPECT_FALSE(std::filesystem::exists(dir / "state" / "FLUSH.htm"));
    EXPECT_THAT(dir.Read("state/registry.reg"), HasSubstr("\"Reporting Interval\"=dword:00000001"));
}

// Today's Outlook ends without the add-in's shutdown, Outlook 2007 calls it: the same run
// leaves the same files either way.
TEST(SimulatorOnTheSampleMailbox, TodaysOutlookAndOutlook2007LeaveTheSameFiles) {
    test_support::TempDir today;
    test_support::TempDir old;
    const SimRun fast = Simulate(today, "--sent samples/sent samples/inbox");
    const SimRun full = Simulate(old, "--outlook 2007 --sent samples/sent samples/inbox");
    ASSERT_EQ(fast.status, 0) << fast.out;
    ASSERT_EQ(full.status, 0) << full.out;
    for (const char* file : {"state/OKsenders.tarn", "state/BanSenders.tarn", "state/forbidden.tarn", "state/protected.tarn",
                             "state/registry.reg"}) {
        EXPECT_EQ(today.Read(file), old.Read(file)) << file;
    }
    EXPECT_THAT(today.Read("state/FLUSH.htm"), HasSubstr("offers@cheap-pill"));
    EXPECT_THAT(old.Read("state/FLUSH.htm"), HasSubstr("offers@cheap-pill"));
    EXPECT_EQ(WEXITSTATUS(Simulate(old, "--outlook 2008").status), 2);
}

TEST(SimulatorOnTheSampleMailbox, AnUnreadableMessageIsNamedAndTheRestGoesOn) {
    test_support::TempDir dir;
    dir.Write("mailbox/a.eml", "");
    std::filesystem::copy(std::filesystem::path(TARN_TEST_SOURCE_DIR) / "samples" / "inbox" / "07-pharmacy-sender.eml",
                          dir / "mailbox" / "b.eml");
    const SimRun run = Simulate(dir, "'" + (dir / "mailbox").string() + "'");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("a.eml: empty"));
    EXPECT_THAT(run.out, HasSubstr("\"decision\":\"Banned Sender\""));
    EXPECT_THAT(run.out, HasSubstr("\"unreadable\":1"));
}

TEST(SimulatorOnTheSampleMailbox, AMistypedSettingStopsBeforeAnythingRuns) {
    for (const char* setting : {"BlockFrench=1", "\"Move to Folder=256\"", "Paused=2"}) {
        test_support::TempDir dir;
        const SimRun run = Simulate(dir, std::string("--set ") + setting + " samples/inbox");
        EXPECT_EQ(WEXITSTATUS(run.status), 2) << setting;
        EXPECT_THAT(run.out, HasSubstr("--set: ")) << setting;
        EXPECT_FALSE(std::filesystem::exists(dir / "state" / "registry.reg")) << setting;
    }
}

// Files the add-in cannot write are never a silent loss.
TEST(SimulatorFailures, AListFileThatCannotBeWrittenIsNamedAndFailsTheRun) {
    test_support::TempDir dir;
    std::filesystem::permissions(SampleState(dir) / "OKsenders.tarn", std::filesystem::perms::owner_write |
                                                                       std::filesystem::perms::group_write |
                                                                       std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    const SimRun run = Simulate(dir, "--sent samples/sent samples/inbox");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    // The sent mail's friends were to be written a moment later, or at the exit at the latest.
    EXPECT_THAT(run.out, HasSubstr("tarn4ol-sim: the add-in failed in OnSentItemAdd (writing the friends): Cannot write \"" +
                                   (dir / "state" / "OKsenders.tarn").string() + "\": the file is read-only"));
    EXPECT_EQ(dir.Read("state/OKsenders.tarn"), "--++protected senders++--\r\nmaria.lindqvist@example.com\r\n");
    // The first start's address-book and sent-mail scans tried to write it too.
    EXPECT_THAT(run.out, HasSubstr("the add-in failed in ScanContacts (saving): Cannot write"));
    EXPECT_THAT(run.out, HasSubstr("the add-in failed in Startup (sent mail scan): Cannot write"));
    EXPECT_THAT(run.out, HasSubstr("\"failures\":3"));
}

TEST(SimulatorFailures, AReportThatCannotBeWrittenIsNeverNamedAsTheReport) {
    test_support::TempDir dir;
    std::filesystem::create_directory(SampleState(dir) / "FLUSH.htm");
    const SimRun json = Simulate(dir, "samples/inbox");
    EXPECT_EQ(WEXITSTATUS(json.status), 1);
    EXPECT_THAT(json.out, HasSubstr("FLUSH.htm\": Is a directory"));
    EXPECT_THAT(json.out, HasSubstr("\"report\":null,\"reports_opened\":0,\"unreported\":7,"));
    const SimRun text = Simulate(dir, "samples/inbox", "");
    EXPECT_THAT(text.out, HasSubstr("7 spam messages are in no report: the report could not be written (see above)."));
    EXPECT_THAT(text.out, ::testing::Not(HasSubstr("Report: ")));
}

TEST(SimulatorFailures, ASettingsFileThatCannotBeWrittenFailsTheRun) {
    test_support::TempDir dir;
    std::filesystem::create_directory(SampleState(dir) / "registry.reg");
    const SimRun run = Simulate(dir, "samples/inbox");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("tarn4ol-sim: the add-in failed in SaveSettings: Cannot write \"" +
                                   (dir / "state" / "registry.reg").string() + "\": "));
}

TEST(SimulatorFailures, OutputThatCannotBeWrittenFailsTheRun) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "samples/inbox", "", "2>&1 >/dev/full");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("tarn4ol-sim: cannot write the output: No space left on device"));
}

TEST(SimulatorFailures, ASecondRunOnTheSameStateFolderIsRefusedAndTouchesNothing) {
    test_support::TempDir dir;
    const StateFolderLock first_run(dir / "state");
    const SimRun run = Simulate(dir, "samples/inbox");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("is in use by another tarn4ol-sim run"));
    EXPECT_EQ(dir.FileCount(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "state"));
}

// The add-in's toolbars in the simulated main window, and the user's clicks on them.
TEST(SimulatorToolbars, TheToolbarsAreListedAndAClickRunsItsCommand) {
    test_support::TempDir dir;
    // Reporting is manual: only the click can make the report.
    const SimRun run =
        Simulate(dir, "--show-toolbars --click btnCurrentReport --click btnInfo --set \"Automatic Report=1\" samples/inbox", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("Toolbar \"Tarn-General\" (visible, 7 buttons)\n"
                                   "  1  btnAbout  \"Orvik' Tarn\"  hint \"About Tarn4OL...\"  icon and caption, enabled"));
    EXPECT_THAT(run.out, HasSubstr("Toolbar \"Tarn-Tools\" (visible, 4 buttons)\n"
                                   "  1  btnProCur  \"Protect current folder\""));
    EXPECT_THAT(run.out, HasSubstr("  4  btnQuarantine  \"Empty Quarantine Folder\""));
    EXPECT_THAT(run.out, HasSubstr("Report: " + (dir / "state" / "FLUSH.htm").string() + " (opened 1 time)"));
    EXPECT_THAT(dir.Read("state/FLUSH.htm"), HasSubstr("found 7 unauthorized messages"));
    EXPECT_THAT(run.out, HasSubstr("tarn4ol-sim: the shell opens " + (dir / "state" / "tarn4ol.chm").string() + "\n"));
    EXPECT_THAT(run.out, HasSubstr(", face 32x30\n"));  // the allow button's envelope
}

TEST(SimulatorToolbars, AClickOnAButtonThatDoesNotExistIsNamedAndFailsTheRun) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--click btnNoSuchThing samples/inbox", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("tarn4ol-sim: --click: the main window has no button with the tag \"btnNoSuchThing\""));
}

// What a message or a file name holds reaches the terminal as text, never as commands.
TEST(SimulatorOutput, ControlCharactersOfAMessageAreShownEscaped) {
    test_support::TempDir dir;
    dir.Write("mail/\x1B[2Jcaf\xC3\xA9.eml",
              "From: a@b.example\r\nSubject: \x1B]0;pwned\x07\x1B[2J clear\r\n\r\nBody.\r\n");
    const SimRun text = Simulate(dir, "'" + (dir / "mail").string() + "'", "");
    EXPECT_EQ(text.out.find('\x1B'), std::string::npos) << text.out;
    EXPECT_THAT(text.out, HasSubstr("| \\x1B]0;pwned\\x07\\x1B[2J clear\n"));
    EXPECT_THAT(text.out, HasSubstr("mail/\\x1B[2Jcaf\xC3\xA9.eml\n"));  // the file name as UTF-8
    const SimRun json = Simulate(dir, "'" + (dir / "mail").string() + "'");
    EXPECT_THAT(json.out, HasSubstr("mail/\\u001b[2Jcaf\xC3\xA9.eml\",\"subject\":\"\\u001b]0;pwned\\u0007"));
}

}  // namespace
}  // namespace tarn::tools::sim
