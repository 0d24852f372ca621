// Allow or ban words: what the dialog starts with in the main window and in a message window,
// which text Ban and Allow take, More and Less, and the lists afterwards.
#include <gmock/gmock.h>

#include "commands/allow_ban_words.h"
#include "dialogs/headless/dialog_script.h"
#include "host/host_error.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using dialogs::ModalResult;
using store::ListKind;

class AllowBanWords : public CommandFixture {
protected:
    void Script(std::string_view script) { dialogs.ScriptNextBanAllow(dialogs::ParseDialogScript(script)); }
    void InMainWindow(const std::string& subject, std::string_view script) {
        Script(script);
        AllowOrBanInMainWindow(Context(), subject, *lists, dir.Path());
    }
    void InMessageWindow(std::string_view script) {
        Script(script);
        AllowOrBanInMessageWindow(Context(), *lists, dir.Path());
    }
    const dialogs::BanAllowWindowRecord& Dialog() { return *dialogs.BanAllowWindows().at(0); }
    std::vector<std::string> Entries(ListKind kind) { return lists->List(kind).Entries(); }
    std::string File(ListKind kind) { return dir.Read(std::string(store::DefinitionOf(kind).file_name)); }

    // A message window on a mail item whose body is `body`.
    void OpenMessage(host::sim::InspectorSetup setup, std::string body = "Cheap watches\r\nand more") {
        const auto message = outlook.AddItem(outlook.Inbox(), {{tag::Subject, "Offer"}, {tag::Body, std::move(body)}});
        outlook.OpenInspector(message, std::move(setup));
        outlook.PumpEvents();
    }
};

TEST_F(AllowBanWords, TheMainWindowOffersTheSubjectAndBanWritesTheForbiddenWordsAtOnce) {
    InMainWindow("Cheap watches", "press btnBan");
    const auto& dialog = Dialog();
    EXPECT_EQ(dialog.title, u"Orvik' Tarn - Allow or Ban Current Item Selection");
    EXPECT_EQ(dialog.ban_caption, u"Ban");
    EXPECT_EQ(dialog.more_caption, u"More >>");
    EXPECT_FALSE(dialog.more_enabled);
    EXPECT_EQ(dialog.body_text, u"");
    EXPECT_EQ(dialog.outer_height, 150);
    EXPECT_EQ(dialog.result, ModalResult::No);
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--", "Cheap watches"));
    EXPECT_EQ(File(ListKind::ForbiddenWords), "--++forbidden++--\r\nCheap watches\r\n");
}

TEST_F(AllowBanWords, APartOfTheEntrySelectedIsAllTheAllowButtonTakes) {
    InMainWindow("Minutes of the board meeting", "select EAE 4 5; press btnAllow");
    EXPECT_EQ(Dialog().result, ModalResult::Ok);
    EXPECT_THAT(Entries(ListKind::ProtectedWords), ElementsAre("--++protect++--", "tes o"));
}

TEST_F(AllowBanWords, WithoutAMailSubjectTheEntryIsEmptyAndAnEmptyEntryIsAdded) {
    InMainWindow("", "press btnAllow");
    EXPECT_EQ(Dialog().entry_text, u"");
    EXPECT_THAT(Entries(ListKind::ProtectedWords), ElementsAre("", "--++protect++--"));
}

TEST_F(AllowBanWords, OutsideAMailFolderTheMainWindowCommandDoesNothing) {
    outlook.SetCurrentFolder(explorer, outlook.DefaultFolder(host::DefaultFolder::Contacts));
    InMainWindow("Cheap watches", "press btnBan");
    EXPECT_TRUE(dialogs.BanAllowWindows().empty());
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--"));
}

TEST_F(AllowBanWords, CloseAddsNothingButTheListsAreReadAgainFromTheirFiles) {
    dir.Write("protected.tarn", "--++protect++--\r\ninvoice\r\n");  // changed by hand meanwhile
    InMainWindow("Cheap watches", "press btnClose");
    EXPECT_EQ(Dialog().result, ModalResult::Cancel);
    EXPECT_THAT(Entries(ListKind::ProtectedWords), ElementsAre("--++protect++--", "invoice"));
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--"));
}

TEST_F(AllowBanWords, ATextListedInAnotherCaseChangesNothingButTheFileIsWritten) {
    Add(ListKind::ForbiddenWords, "Viagra");  // in memory only until now
    InMainWindow("viagra", "press btnBan");
    EXPECT_EQ(File(ListKind::ForbiddenWords), "--++forbidden++--\r\nViagra\r\n");
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--", "Viagra"));
}

TEST_F(AllowBanWords, AFileThatCannotBeWrittenIsToldAndTheNewEntryIsNotKept) {
    dir.Write("forbidden.tarn", "--++forbidden++--\r\nkept\r\n");
    lists->ReloadLists();
    using std::filesystem::perms;
    std::filesystem::permissions(dir / "forbidden.tarn", perms::owner_read | perms::group_read | perms::others_read);
    InMainWindow("Cheap watches", "press btnBan");
    EXPECT_EQ(Dialog().result, ModalResult::No);
    ASSERT_EQ(platform.MessageBoxes().Calls().size(), 1u);
    EXPECT_THAT(platform::ToUtf8(platform.MessageBoxes().Calls()[0].text), HasSubstr("forbidden.tarn"));
    EXPECT_EQ(platform.MessageBoxes().Calls()[0].kind, platform::MessageBoxKind::Error);
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--", "kept"));
    EXPECT_EQ(File(ListKind::ForbiddenWords), "--++forbidden++--\r\nkept\r\n");
}

TEST_F(AllowBanWords, MoreAndLessShowAndHideTheBodyPane) {
    OpenMessage({.caption = u"Offer - Message (Plain Text)", .word_mail = false, .html_selection = std::nullopt});
    InMessageWindow("press btnmore");
    EXPECT_EQ(Dialog().more_caption, u"<< Less");
    EXPECT_EQ(Dialog().outer_height, 350);
    dialogs.ScriptNextBanAllow(dialogs::ParseDialogScript("press btnmore; press btnmore"));
    AllowOrBanInMessageWindow(Context(), *lists, dir.Path());
    EXPECT_EQ(dialogs.BanAllowWindows().at(1)->more_caption, u"More >>");
    EXPECT_EQ(dialogs.BanAllowWindows().at(1)->outer_height, 150);
}

TEST_F(AllowBanWords, APlainTextMessageGivesItsBodyAndTheBodySelectionWinsOverAnEditedEntry) {
    OpenMessage({.caption = u"Offer - Message (Plain Text)", .word_mail = false, .html_selection = std::nullopt});
    InMessageWindow("press btnmore; select Memo1 6 7; type EAE something else; press btnBan");
    const auto& dialog = Dialog();
    EXPECT_EQ(dialog.body_text, u"Cheap watches\r\nand more");
    EXPECT_TRUE(dialog.more_enabled);
    EXPECT_EQ(dialog.entry_text, u"something else");
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--", "watches"));
}

TEST_F(AllowBanWords, ASelectionInTheBodyPaneBecomesTheEntry) {
    OpenMessage({.caption = u"Offer - Message (Plain Text)", .word_mail = false, .html_selection = std::nullopt});
    InMessageWindow("press btnmore; select Memo1 0 5");
    EXPECT_EQ(Dialog().entry_text, u"Cheap");
    EXPECT_EQ(Dialog().result, ModalResult::Cancel);  // the script ended: the user closed it
}

TEST_F(AllowBanWords, ABodySelectionAcrossLinesIsToldAndAddsNothing) {
    OpenMessage({.caption = u"Offer", .word_mail = false, .html_selection = std::nullopt});
    InMessageWindow("press btnmore; select Memo1 6 12; press btnBan");
    ASSERT_EQ(platform.MessageBoxes().Calls().size(), 1u);
    EXPECT_THAT(platform::ToUtf8(platform.MessageBoxes().Calls()[0].text), HasSubstr("line break"));
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--"));
}

TEST_F(AllowBanWords, AnHtmlMessageWithoutSelectionOffersTheWindowCaption) {
    OpenMessage({.caption = u"Offer - Message (HTML)", .word_mail = false, .html_selection = u""});
    InMessageWindow("");
    EXPECT_EQ(Dialog().entry_text, u"Offer - Message (HTML)");
    EXPECT_EQ(Dialog().body_text, u"");
    EXPECT_FALSE(Dialog().more_enabled);
}

TEST_F(AllowBanWords, TheEditorsSelectionIsTheEntry) {
    OpenMessage({.caption = u"Offer", .word_mail = false, .html_selection = u"from the HTML editor"});
    InMessageWindow("press btnAllow");
    EXPECT_THAT(Entries(ListKind::ProtectedWords), ElementsAre("--++protect++--", "from the HTML editor"));
    OpenMessage({.caption = u"Offer", .word_mail = true, .word_selection = u"from Word"});
    InMessageWindow("");
    EXPECT_EQ(dialogs.BanAllowWindows().at(1)->entry_text, u"from Word");
}

TEST_F(AllowBanWords, AWordProcessorThatFailsLeavesTheCaption) {
    OpenMessage({.caption = u"Offer - Message", .word_mail = true, .word_selection = u"from Word"});
    outlook.Faults().Refuse("Inspector.WordSelectionText");
    InMessageWindow("");
    EXPECT_EQ(Dialog().entry_text, u"Offer - Message");
    EXPECT_FALSE(Dialog().more_enabled);
}

TEST_F(AllowBanWords, AMessageWindowOnSomethingElseThanMailDoesNothing) {
    const auto appointment = outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Calendar), {},
                                             host::item_class::Appointment);
    outlook.OpenInspector(appointment, {.caption = u"Meeting"});
    InMessageWindow("press btnBan");
    EXPECT_TRUE(dialogs.BanAllowWindows().empty());
}

TEST_F(AllowBanWords, AnActionTheDialogCannotTakeEndsTheShowingAndIsNamed) {
    InMainWindow("Cheap watches", "press btnmore; press btnBan");
    EXPECT_THAT(Dialog().refused_action, HasSubstr("btnmore: the button is disabled"));
    EXPECT_EQ(Dialog().result, ModalResult::Cancel);
    EXPECT_THAT(Entries(ListKind::ForbiddenWords), ElementsAre("--++forbidden++--"));
}

}  // namespace
}  // namespace tarn::commands
