// tarn4ol-sim playing the user's folder commands: mail kept in folders, the address book, the
// shown folder, the selection, and the buttons.
#include <gmock/gmock.h>

#include "host/sim/sim_outlook.h"
#include "tests/tools/sim_runner.h"
#include "tools/sim/store_paths.h"

namespace tarn::tools::sim {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(StorePaths, PathsStartAtADefaultFolderAndMakeOnlyWhatTheyMayMake) {
    host::sim::SimOutlook outlook;
    const auto made = FolderAt(outlook, "inbox/Old mail/2024", true);
    EXPECT_EQ(PathOf(outlook, made), "Inbox/Old mail/2024");
    EXPECT_EQ(FolderAt(outlook, "Inbox/old MAIL/2024", false), made);
    EXPECT_EQ(FolderAt(outlook, "Deleted Items", false), outlook.DeletedItems());
    EXPECT_THROW(FolderAt(outlook, "Inbox/Nowhere", false), StorePathError);
    EXPECT_THROW(FolderAt(outlook, "Archive", true), StorePathError);
    EXPECT_THROW(FolderAt(outlook, "Inbox//x", true), StorePathError);
}

TEST(StorePaths, ASelectionListsItemNumbersAndRanges) {
    EXPECT_THAT(ParseSelection("3,1-2,5", 5), ElementsAre(3, 1, 2, 5));
    for (const char* wrong : {"", "0", "1,,2", "a", "2-1", "1-", "6", "4-6"}) {
        EXPECT_THROW(ParseSelection(wrong, 5), StorePathError) << wrong;
    }
}

TEST(SimulatorFolderCommands, AnalysingAKeptFolderMovesItsSpamAndWritesTheFolderReport) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--into 'Inbox/Old mail' samples/inbox --show 'Inbox/Old mail' --click btnDoCurFold",
                                "");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("the shell opens " + (dir / "state" / "temp.htm").string()));
    EXPECT_THAT(run.out, HasSubstr("  Inbox/Old mail (6 items)\n"));
    EXPECT_THAT(run.out, HasSubstr("  Inbox/Quarantine (7 items)\n"));
    EXPECT_THAT(dir.Read("state/temp.htm"), HasSubstr("Folder: Old mail</H3>"));
    // Kept mail is no new mail: nothing was screened on arrival.
    EXPECT_THAT(run.out, HasSubstr("\nNo new mail arrived in the Inbox.\n"));
}

TEST(SimulatorFolderCommands, AFoeMarkedInTheSelectionIsBannedAndSweptAndAContactBecomesAFriend) {
    test_support::TempDir dir;
    dir.Write("book.vcf", "BEGIN:VCARD\r\nFN:Lucie\r\nEMAIL:lucie.moreau@example.org\r\nEND:VCARD\r\n");
    const SimRun run = Simulate(dir, "--contacts '" + (dir / "book.vcf").string() +
                                         "' --into Inbox samples/inbox --select 2 --click btnRedFace");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("{\"folder\":\"Inbox/Quarantine\",\"items\":[{\"subject\":\"Garden Club News"));
    EXPECT_THAT(dir.Read("state/BanSenders.tarn"), HasSubstr("\r\nnews@garden-club.example\r\n"));
    EXPECT_THAT(dir.Read("state/OKsenders.tarn"), HasSubstr("\r\nlucie.moreau@example.org\r\n"));
}

TEST(SimulatorFolderCommands, AFoeMarkTeachesTheStatesOwnEngineUnlessLearningIsOff) {
    test_support::TempDir dir;
    const SimRun taught = Simulate(dir, "--into Inbox samples/inbox --select 2 --click btnRedFace");
    EXPECT_EQ(WEXITSTATUS(taught.status), 0) << taught.out;
    // The engine was installed into the state, and what it learnt stays there.
    EXPECT_TRUE(std::filesystem::exists(dir / "state/tarnrules.dict"));
    EXPECT_THAT(dir.Read("state/tarnrules.user"), ::testing::StartsWith("TARNUSER"));

    test_support::TempDir off;
    const SimRun untaught = Simulate(off, "--set Learning=0 --into Inbox samples/inbox --select 2 --click btnRedFace");
    EXPECT_EQ(WEXITSTATUS(untaught.status), 0) << untaught.out;
    EXPECT_THAT(off.Read("state/BanSenders.tarn"), HasSubstr("\r\nnews@garden-club.example\r\n"));
    EXPECT_FALSE(std::filesystem::exists(off / "state/tarnrules.user"));
}

TEST(SimulatorFolderCommands, AMissingFolderOrItemIsToldAndFailsTheRun) {
    test_support::TempDir dir;
    const SimRun missing = Simulate(dir, "--show 'Inbox/Nowhere' --click btnDoCurFold", "");
    EXPECT_EQ(WEXITSTATUS(missing.status), 1);
    EXPECT_THAT(missing.out, HasSubstr("tarn4ol-sim: no folder \"Inbox/Nowhere\""));
    EXPECT_THAT(missing.out, Not(HasSubstr("temp.htm")));
    test_support::TempDir other;
    const SimRun beyond = Simulate(other, "--into Inbox samples/inbox/01-colleague-plain-text.eml --select 2", "");
    EXPECT_EQ(WEXITSTATUS(beyond.status), 1);
    EXPECT_THAT(beyond.out, HasSubstr("--select: item 2 does not exist: the shown folder holds 1 item"));
}

TEST(SimulatorFolderCommands, AnAddressBookThatIsNoVCardIsToldAndTheRunGoesOn) {
    test_support::TempDir dir;
    dir.Write("book.vcf", "name,email\nAnn,ann@example.com\n");
    const SimRun run = Simulate(dir, "--contacts '" + (dir / "book.vcf").string() + "' samples/inbox", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("book.vcf: line 1: this is not part of a vCard"));
    EXPECT_THAT(run.out, HasSubstr("Screened 13 messages"));
}

}  // namespace
}  // namespace tarn::tools::sim
