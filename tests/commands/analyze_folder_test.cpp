// The folder analysis: the cascade over every mail item of the shown folder, the batches of
// spam, the progress window and the folder report.
#include <gmock/gmock.h>

#include "commands/analyze_folder.h"
#include "host/host_error.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using store::ListKind;

class FolderAnalysis : public CommandFixture {
protected:
    void Analyze() {
        const screening::ScreeningRules rules(*lists, matchers, view);
        AnalyzeCurrentFolder(Context(), {rules, alphabets, settings, engine}, report, dir.Path());
    }
    std::string Page() { return dir.Read("temp.htm"); }
    bool PageWritten() { return std::filesystem::exists(dir / "temp.htm"); }
    bool InInbox(const std::shared_ptr<host::sim::SimItem>& item) { return item->Location() == outlook.Inbox(); }
};

TEST_F(FolderAnalysis, AnEmptyFolderShowsNothing) {
    Analyze();
    EXPECT_TRUE(dialogs.ProgressWindows().empty());
    EXPECT_FALSE(PageWritten());
}

TEST_F(FolderAnalysis, AFolderWithoutMailIsWalkedButNothingChanges) {
    const auto contacts = outlook.DefaultFolder(host::DefaultFolder::Contacts);
    outlook.AddItem(contacts, {{tag::Body, "RATE=200"}}, host::item_class::Contact);
    outlook.AddItem(contacts, {{tag::Body, "RATE=200"}}, host::item_class::Contact);
    outlook.SetCurrentFolder(explorer, contacts);
    Analyze();
    ASSERT_EQ(dialogs.ProgressWindows().size(), 1u);
    EXPECT_EQ(Window().spam_text, u"Spam");
    EXPECT_EQ(Window().legit_text, u"Legit.:");
    // Both items walked (positions 0 and 1), then the empty last batch (0 to 50).
    ASSERT_EQ(Window().positions.size(), 2u + 51u);
    EXPECT_EQ(Window().positions[1], 1);
    EXPECT_TRUE(Window().destroyed);
    EXPECT_EQ(contacts->Items()->Count(), 2);
    EXPECT_FALSE(PageWritten());
    EXPECT_TRUE(platform.Shell().Calls().empty());
}

TEST_F(FolderAnalysis, SpamMovesWithItsRowsAndTheFolderReportOpens) {
    Add(ListKind::BannedSenders, "spam.example");
    settings.paused = true;  // the user's own command runs whatever the pause says
    const auto ham = Mail(outlook.Inbox(), "ann@example.com", "Minutes", "RATE=10");
    const auto rated = Mail(outlook.Inbox(), "bob@example.net", "Offer <now>", "RATE=80");
    const auto banned = Mail(outlook.Inbox(), "x@spam.example", "Watches", "RATE=0");
    Analyze();
    ASSERT_NE(Quarantine(), nullptr);
    EXPECT_TRUE(InInbox(ham));
    EXPECT_EQ(rated->Location(), Quarantine());
    EXPECT_EQ(banned->Location(), Quarantine());
    // Found from the last item to the first; the reason is the test's word or the engine's text.
    const std::string page = Page();
    EXPECT_THAT(page, HasSubstr("<TR><TD>Tom Baker</TD><TD><B>Watches<BR></B><I>&gt;Banned Sender&gt;</I></TD>"
                                "<TD>x@spam.example</TD></TR>\r\n<TR><TD>Tom Baker</TD><TD><B>Offer &lt;now&gt;<BR></B>"
                                "<I>rated 80&gt;</I></TD><TD>bob@example.net</TD></TR>\r\n</TABLE>"));
    EXPECT_THAT(page, HasSubstr("Orvik' Tarn found 2 unauthorized messages"));
    EXPECT_THAT(page, HasSubstr("Look under Inbox/Quarantine."));
    EXPECT_THAT(page, HasSubstr("Folder: Inbox</H3>"));
    EXPECT_THAT(report.ReportRows(),
                ElementsAre("<TR><TD>Tom Baker</TD><TD><B>Watches</B></TD><TD>x@spam.example</TD></TR>",
                            "<TR><TD>Tom Baker</TD><TD><B>Offer &lt;now&gt;</B></TD><TD>bob@example.net</TD></TR>"));
    EXPECT_EQ(report.FSpamSinceReport(), 0);
    ASSERT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_EQ(platform.Shell().Calls()[0].target, (dir / "temp.htm").u16string());
}

TEST_F(FolderAnalysis, FriendsAndProtectedWordsWinAndCountAsGoodWithoutTouchingTheLabels) {
    Add(ListKind::FriendSenders, "friend@example.com");
    Add(ListKind::ForbiddenWords, "casino");
    Mail(outlook.Inbox(), "friend@example.com", "casino night", "RATE=255");
    Analyze();
    EXPECT_EQ(Quarantine()->Items()->Count(), 0);
    EXPECT_EQ(Window().legit_text, u"Legit.:");
    EXPECT_FALSE(PageWritten());
}

TEST_F(FolderAnalysis, TheLabelsCountGoodAndSpamMail) {
    for (int i = 0; i < 3; ++i) Mail(outlook.Inbox(), "ann@example.com", "fine", "RATE=1");
    Mail(outlook.Inbox(), "a@example.net", "spam", "RATE=99");
    Mail(outlook.Inbox(), "b@example.net", "spam", "RATE=99");
    Analyze();
    EXPECT_EQ(Window().legit_text, u"OK Email: 3");
    EXPECT_EQ(Window().spam_text, u"Spam email: 2");
}

TEST_F(FolderAnalysis, WithoutACharsetAnEncodedWordGoesToTheEngine) {
    outlook.AddItem(outlook.Inbox(), {{tag::Subject, "plain"}, {tag::Body, "=?x?= RATE=3"}});
    Analyze();
    EXPECT_EQ(Quarantine()->Items()->Count(), 0);
    const auto with_charset = Mail(outlook.Inbox(), "a@example.net", "coded", "=?x?= RATE=3");
    Analyze();
    EXPECT_EQ(with_charset->Location(), Quarantine());
    EXPECT_THAT(Page(), HasSubstr("<I>-Err. format&gt;</I>"));
}

TEST_F(FolderAnalysis, SubjectsAreCutAt75InThePageAndAt50InThePendingRows) {
    const std::string whole(75, 's');
    const std::string longer(76, 'l');
    Mail(outlook.Inbox(), "a@example.net", whole, "RATE=90");
    Mail(outlook.Inbox(), "b@example.net", longer, "RATE=90");
    Analyze();
    EXPECT_THAT(Page(), HasSubstr("<B>" + whole + "<BR></B>"));
    EXPECT_THAT(Page(), HasSubstr("<B>" + std::string(73, 'l') + "...<BR></B>"));
    EXPECT_THAT(report.ReportRows()[0], HasSubstr("<B>" + std::string(47, 'l') + "...</B>"));
}

TEST_F(FolderAnalysis, WithMoveToFolderSpamGoesToDeletedItemsAndThePageStillNamesTheQuarantine) {
    settings.move_to_folder = 1;
    const auto spam = Mail(outlook.Inbox(), "a@example.net", "spam", "RATE=90");
    Analyze();
    EXPECT_EQ(spam->Location(), outlook.DeletedItems());
    EXPECT_THAT(Page(), HasSubstr("Look under Inbox/Quarantine."));
}

TEST_F(FolderAnalysis, SixtySpamMoveInABatchOfFiftyAndThenTheRest) {
    for (int i = 0; i < 60; ++i) Mail(outlook.Inbox(), "a@example.net", "spam " + std::to_string(i), "RATE=90");
    Analyze();
    EXPECT_EQ(outlook.Inbox()->Items()->Count(), 0);
    EXPECT_EQ(Quarantine()->Items()->Count(), 60);
    ASSERT_EQ(report.ReportRows().size(), 60u);
    // Found and moved from the last item down.
    EXPECT_THAT(report.ReportRows()[0], HasSubstr("spam 59"));
    EXPECT_THAT(report.ReportRows()[59], HasSubstr("spam 0"));
    EXPECT_THAT(Page(), HasSubstr("found 60 unauthorized"));
}

TEST_F(FolderAnalysis, FiftySpamEndingAtTheFirstItemMoveInTheLastBatch) {
    for (int i = 0; i < 50; ++i) Mail(outlook.Inbox(), "a@example.net", "spam", "RATE=90");
    Analyze();
    EXPECT_EQ(Quarantine()->Items()->Count(), 50);
    EXPECT_EQ(report.ReportRows().size(), 50u);
}

TEST_F(FolderAnalysis, CancelStopsTheWalkAndWhatWasFoundIsMovedAndReported) {
    Mail(outlook.Inbox(), "a@example.net", "not reached", "RATE=90");
    Mail(outlook.Inbox(), "b@example.net", "found", "RATE=90");
    dialogs.CancelNextProgressAfterPumps(2);  // during the pump of the second item's turn
    Analyze();
    EXPECT_EQ(Quarantine()->Items()->Count(), 1);
    EXPECT_THAT(Page(), HasSubstr("found 1 unauthorized"));
    EXPECT_THAT(Page(), Not(HasSubstr("not reached")));
}

TEST_F(FolderAnalysis, CancelBeforeAnySpamWritesNoReport) {
    Mail(outlook.Inbox(), "a@example.net", "spam", "RATE=90");
    dialogs.CancelNextProgressAfterPumps(1);
    Analyze();
    EXPECT_EQ(Quarantine()->Items()->Count(), 0);
    EXPECT_FALSE(PageWritten());
}

TEST_F(FolderAnalysis, AMoveThatFailsKeepsItsRowAndTheMessageAndTheRunGoesOn) {
    const auto stays = Mail(outlook.Inbox(), "a@example.net", "stays", "RATE=90");
    outlook.Faults().Refuse("Item.Move", 1);
    Analyze();
    EXPECT_TRUE(InInbox(stays));
    EXPECT_EQ(report.ReportRows().size(), 1u);
    EXPECT_TRUE(PageWritten());
}

TEST_F(FolderAnalysis, AFailingHostEndsTheRunMovesWhatWasFoundAndWritesNoReport) {
    Mail(outlook.Inbox(), "a@example.net", "first", "RATE=1");
    const auto found = Mail(outlook.Inbox(), "b@example.net", "found", "RATE=90");
    // Once the last item (the first one walked) is judged, Outlook refuses the next look-up.
    const auto refuse = platform.Pump().AddPumpListener([this, pumps = 0]() mutable {
        if (++pumps == 2) outlook.Faults().Refuse("Items.Item", 1);
    });
    EXPECT_THROW(Analyze(), host::HostError);
    EXPECT_EQ(found->Location(), Quarantine());
    EXPECT_EQ(report.ReportRows().size(), 1u);
    EXPECT_FALSE(PageWritten());
    EXPECT_TRUE(Window().destroyed);
}

}  // namespace
}  // namespace tarn::commands
