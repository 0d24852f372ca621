// tarn4ol-sim playing a user in the add-in's dialogs: --dialog after the --click that opens one.
#include <gmock/gmock.h>

#include "tests/tools/sim_runner.h"
#include "tools/sim/command_line.h"

namespace tarn::tools::sim {
namespace {

using ::testing::HasSubstr;

TEST(SimulatorDialogs, TheUserBansAPartOfTheSelectedSubject) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--into Inbox samples/inbox --select 9 --click btnBanSub "
                                     "--dialog 'select EAE 0 6; press btnBan'", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("allow/ban dialog \"Orvik' Tarn - Allow or Ban Current Item Selection\": entry \"Agenda for "
                                   "the supplier review\", body pane empty, More >> disabled; closed with Ban\n"));
    EXPECT_THAT(dir.Read("state/forbidden.tarn"), HasSubstr("\r\nAgenda\r\n"));
}

TEST(SimulatorDialogs, AnActionTheDialogCannotTakeOrADialogThatNeverOpensFailsTheRun) {
    test_support::TempDir dir;
    const SimRun disabled = Simulate(dir, "--click btnAllowSub --dialog 'press btnmore'", "");
    EXPECT_EQ(WEXITSTATUS(disabled.status), 1);
    EXPECT_THAT(disabled.out, HasSubstr("tarn4ol-sim: --dialog: btnmore: the button is disabled\n"));
    const SimRun no_dialog = Simulate(dir, "--click btnCurrentReport --dialog 'press btnBan'", "");
    EXPECT_EQ(WEXITSTATUS(no_dialog.status), 1);
    EXPECT_THAT(no_dialog.out, HasSubstr("tarn4ol-sim: --dialog: the click on \"btnCurrentReport\" opened no dialog\n"));
}

TEST(SimulatorDialogs, TheOptionsDialogShowsWhatTheUserLeftInIt) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--click btnSettings --dialog 'choose ListView1 Languages; untick cblblanguages "
                                     "Cyrillic; choose ListView1 7; tick cbPause; press btnClose' samples/inbox/01-colleague-plain-text.eml", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("options dialog \"Orvik' Tarn! for MS Outlook - Options\", closed on the page "
                                   "\"Miscellaneous\":\n    alphabets ticked: Arabic Baltic CentralEuropean Chinese Greek"));
    EXPECT_THAT(run.out, HasSubstr("    [x] Pause Detection...\n"));
    EXPECT_THAT(dir.Read("state/registry.reg"), HasSubstr("\"Alphabet Groups\"=\"111101111111\""));
    EXPECT_THAT(dir.Read("state/registry.reg"), HasSubstr("\"Paused\"=dword:00000001"));
}

// A setting given for the run goes back to its stored value afterwards; what the user changed
// in the dialog meanwhile stays, as it was written when the dialog closed.
TEST(SimulatorDialogs, ASettingForTheRunOnlyDoesNotUndoWhatTheDialogChanged) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--set BlockEnglish=1 --click btnSettings --dialog 'choose ListView1 7; tick cbPause; "
                                     "press btnClose' samples/inbox/01-colleague-plain-text.eml", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    const std::string stored = dir.Read("state/registry.reg");
    EXPECT_THAT(stored, HasSubstr("\"Paused\"=dword:00000001"));
    EXPECT_THAT(stored, HasSubstr("\"BlockEnglish\"=dword:00000000"));
}

TEST(SimulatorDialogs, AScriptIsPartOfTheCommandLine) {
    EXPECT_THROW(ParseCommandLine({"--dialog", "press btnBan"}), UsageError);  // no click before it
    EXPECT_THROW(ParseCommandLine({"--click", "btnBanSub", "--dialog", "push btnBan"}), UsageError);
    const auto command = ParseCommandLine({"--click", "btnAbout", "--click", "btnBanSub", "--dialog=press btnBan"});
    ASSERT_EQ(command.clicks.size(), 2u);
    EXPECT_TRUE(command.clicks[0].dialog.empty());
    ASSERT_EQ(command.clicks[1].dialog.size(), 1u);
    EXPECT_EQ(command.clicks[1].dialog[0].control, "btnBan");
}

}  // namespace
}  // namespace tarn::tools::sim
