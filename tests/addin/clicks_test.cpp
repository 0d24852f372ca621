// Clicks on the add-in's buttons: one command per click, wherever the button is, and the
// commands of the table.
#include <gmock/gmock.h>

#include "dialogs/headless/dialog_script.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::HasSubstr;

class Clicks : public AddinFixture {
protected:
    void SetUp() override {
        explorer = OpenMainWindow();
        Connect();
    }
    host::CommandBarControlPtr ExplorerButton(const std::u16string& tag) {
        return explorer->Bars()->FindControl(host::ControlType::Button, tag);
    }
    std::shared_ptr<host::sim::SimInspector> OpenMessage() {
        const auto mail = outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Drafts), {{tag::Subject, "draft"}});
        auto inspector = outlook.OpenInspector(mail);
        Pump();
        return inspector;
    }
    void Click(const host::CommandBarControlPtr& control) {
        outlook.Click(control);
        Pump();
    }
    void PendRow() { addin.Report().AddRow("<TR><TD>pending</TD></TR>"); }

    std::shared_ptr<host::sim::SimExplorer> explorer;
};

TEST_F(Clicks, TheSameButtonInThreeWindowsRunsItsCommandOncePerClick) {
    const auto first = OpenMessage();
    const auto second = OpenMessage();
    const auto in_message = second->Bars()->FindControl(host::ControlType::Button, u"btnAbout");
    ASSERT_NE(in_message, nullptr);
    const std::size_t splash = dialogs.AboutWindows().size();
    Click(in_message);
    EXPECT_EQ(dialogs.AboutWindows().size(), splash + 1);
    Click(ExplorerButton(u"btnAbout"));
    EXPECT_EQ(dialogs.AboutWindows().size(), splash + 2);
    Click(first->Bars()->FindControl(host::ControlType::Button, u"btnAbout"));
    EXPECT_EQ(dialogs.AboutWindows().size(), splash + 3);
}

TEST_F(Clicks, AButtonWhoseParameterSomeoneChangedDoesNothing) {
    PendRow();
    const auto report = ExplorerButton(u"btnCurrentReport");
    report->SetParameter(u"someone else's");
    Click(report);
    EXPECT_TRUE(platform.Shell().Calls().empty());
    EXPECT_EQ(addin.Report().ReportRows().size(), 1u);
}

TEST_F(Clicks, TheReportButtonProducesTheReportWhateverTheSettings) {
    addin.Settings().paused = true;
    addin.Settings().automatic_report = 1;
    PendRow();
    Click(ExplorerButton(u"btnCurrentReport"));
    ASSERT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_EQ(platform.Shell().Calls()[0].target, (dir / "FLUSH.htm").u16string());
    EXPECT_THAT(dir.Read("FLUSH.htm"), HasSubstr("pending"));
}

TEST_F(Clicks, HelpOpensTheHelpFileOfTheInstallationFolder) {
    Click(ExplorerButton(u"btnInfo"));
    ASSERT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_EQ(platform.Shell().Calls()[0].target, (dir / "tarn4ol.chm").u16string());
    EXPECT_EQ(platform.Shell().Calls()[0].show, platform::ShowCommand::ShowNormal);
}

TEST_F(Clicks, EmptyQuarantineDeletesTheQuarantinedMail) {
    const auto spam = Arrive({{tag::Subject, "x"}, {tag::Body, "RATE=99"}});
    ASSERT_EQ(spam->Location(), QuarantineFolder());
    Click(ExplorerButton(u"btnQuarantine"));
    EXPECT_EQ(spam->Location(), outlook.DeletedItems());
}

TEST_F(Clicks, AnalyseScreensTheShownFolderWithTheUsersLists) {
    const auto sent = outlook.DefaultFolder(host::DefaultFolder::SentMail);
    const auto kept = outlook.AddItem(sent, {{tag::Subject, "kept"}, {tag::Body, "RATE=10"}});
    const auto found = outlook.AddItem(sent, {{tag::Subject, "found"}, {tag::Body, "RATE=70"}});
    outlook.SetCurrentFolder(explorer, sent);
    Pump();
    Click(ExplorerButton(u"btnDoCurFold"));
    EXPECT_EQ(kept->Location(), sent);
    EXPECT_EQ(found->Location(), QuarantineFolder());
    EXPECT_EQ(addin.Report().ReportRows().size(), 1u);
    ASSERT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_EQ(platform.Shell().Calls()[0].target, (dir / "temp.htm").u16string());
}

TEST_F(Clicks, BanWordsTakesTheSelectedSubjectAndAllowWordsTheMessageWindowsSelection) {
    const auto offer = outlook.AddItem(outlook.Inbox(), {{tag::Subject, "Cheap watches"}});
    outlook.Select(explorer, {offer});
    Pump();
    dialogs.ScriptNextBanAllow(dialogs::ParseDialogScript("press btnBan"));
    Click(ExplorerButton(u"btnBanSub"));
    EXPECT_TRUE(addin.Lists()->List(store::ListKind::ForbiddenWords).IndexOf("Cheap watches").has_value());

    outlook.OpenInspector(offer, {.caption = u"Cheap watches - Message", .word_mail = false, .html_selection = u"watches"});
    Pump();
    dialogs.ScriptNextBanAllow(dialogs::ParseDialogScript("press btnAllow"));
    Click(outlook.Application()->ActiveInspector()->CommandBars()->FindControl(host::ControlType::Button, u"OrvikPlus"));
    EXPECT_TRUE(addin.Lists()->List(store::ListKind::ProtectedWords).IndexOf("watches").has_value());
    EXPECT_EQ(dialogs.BanAllowWindows().size(), 2u);
}

TEST_F(Clicks, ACommandThatFailsShowsTheErrorAndTheToolbarStaysUsable) {
    PendRow();
    outlook.Faults().Refuse("Folder.Name", 1);  // the report names the Inbox
    const std::size_t before = platform.MessageBoxes().Calls().size();
    Click(ExplorerButton(u"btnCurrentReport"));
    ASSERT_EQ(platform.MessageBoxes().Calls().size(), before + 1);
    EXPECT_THAT(platform::Narrow(platform.MessageBoxes().Calls().back().text),
                HasSubstr("Orvik' Tarn! error: the add-in has fired an exception.\r\nFolder.Name: refused"));
    Click(ExplorerButton(u"btnCurrentReport"));
    EXPECT_EQ(platform.Shell().Calls().size(), 1u);  // the second click made the report
}

}  // namespace
}  // namespace tarn::addin
