// The options dialog as the user sees it: every setting taken back however it closes, the
// alphabets written at once, the list editors working on the files, and the rescan.
#include <gmock/gmock.h>

#include "commands/show_options.h"
#include "dialogs/headless/dialog_script.h"
#include "platform/files.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using dialogs::CheckBox;
using dialogs::ListEditor;
using dialogs::RadioGroup;
using store::ListKind;

class Options : public CommandFixture {
protected:
    void Show(std::string_view script) {
        dialogs.ScriptNextOptions(dialogs::ParseDialogScript(script));
        ShowOptions(Context(), settings, *lists, dir.Path(), [this] { ++timer_rearmed; });
    }
    const dialogs::OptionsWindowRecord& Dialog(std::size_t index = 0) { return *dialogs.OptionsWindows().at(index); }
    std::optional<std::string> StoredAlphabets() {
        const auto key = registry.OpenKey("\\Software\\Orvik' Tarn4OL\\Settings", false);
        if (!key) return std::nullopt;
        const auto value = key->Read("Alphabet Groups");
        return value ? std::optional(value->text) : std::nullopt;
    }
    std::string File(ListKind kind) { return dir.Read(std::string(store::DefinitionOf(kind).file_name)); }
    void Contact(std::string address) {
        outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({std::move(address)}),
                        host::item_class::Contact);
    }

    int timer_rearmed = 0;
};

constexpr std::string_view ChangeEverything =
    "choose ListView1 3; choose rdgrpMoveto \"Deleted Items folder\"; choose ListView1 Log-Books; "
    "choose rdgrpReportingMode 1; choose ListView1 6; tick cbNotEnglish; tick cbNotinList; "
    "choose ListView1 7; tick cbPause; untick cbSplash; untick cbLearning; ";

TEST_F(Options, TheDialogShowsTheSettingsAndTheFirstTopic) {
    settings.move_to_folder = 1;
    settings.reporting_interval = 4;
    settings.show_splash = true;
    Show("");
    const auto& dialog = Dialog();
    EXPECT_EQ(dialog.showings, 1);
    EXPECT_EQ(dialog.banner_title, u"Senders Lists");
    EXPECT_EQ(dialog.banner_hint, u"Messages from these senders will be protected or banned...");
    EXPECT_EQ(dialog.topics[7], u"Miscellaneous");
    EXPECT_EQ(dialog.radios[1].items, (std::vector<std::u16string>{u"Automatic", u"Manual"}));
    EXPECT_EQ(dialog.radios[0].index, 1);
    EXPECT_EQ(dialog.radios[2].index, 4);
    EXPECT_TRUE(dialog.radios[2].enabled);
    EXPECT_TRUE(dialog.checks[static_cast<std::size_t>(CheckBox::Splash)].checked);
    EXPECT_EQ(dialog.checks[static_cast<std::size_t>(CheckBox::Pause)].caption, u"Pause Detection...");
    EXPECT_TRUE(dialog.checks[static_cast<std::size_t>(CheckBox::Learning)].checked);
    EXPECT_EQ(dialog.checks[static_cast<std::size_t>(CheckBox::Learning)].caption,
              u"Learn from the senders I protect or forbid");
    EXPECT_EQ(dialog.captions.at("BtnScanAddressBook"), u"Rescan my OL address-book");
    // A list holding only its marker counts it.
    EXPECT_EQ(dialog.editors[0].count_label, u"1 Members in this List");
    EXPECT_EQ(dialog.editors[0].entry, u"Input word(s) here and press button to add...");
    EXPECT_TRUE(dialog.destroyed);
    EXPECT_EQ(timer_rearmed, 1);
}

TEST_F(Options, ClosingInAnyWayTakesBackEveryRadioGroupAndCheckBox) {
    for (const std::string_view closing : {"press btnClose", "press btnhelp", "choose ListView1 5; press BtnScanAddressBook"}) {
        SCOPED_TRACE(closing);
        settings = store::Settings{};
        settings.load_ol_addresses = false;
        Show(std::string(ChangeEverything) + std::string(closing));
        EXPECT_EQ(settings.move_to_folder, 1);
        EXPECT_EQ(settings.automatic_report, 1);
        EXPECT_TRUE(settings.block_english);
        EXPECT_TRUE(settings.only_address_book);
        EXPECT_TRUE(settings.paused);
        EXPECT_FALSE(settings.show_splash);
        EXPECT_FALSE(settings.learning);
        EXPECT_FALSE(settings.load_ol_addresses);  // a rescan asked for is done and cleared
    }
    ASSERT_EQ(platform.Shell().Calls().size(), 1u);
    EXPECT_EQ(platform.Shell().Calls()[0].target, (dir / "tarn4ol.chm").u16string());
    EXPECT_EQ(platform.Shell().Calls()[0].show, platform::ShowCommand::Restore);
}

TEST_F(Options, ManualReportingDisablesTheIntervalUntilAutomaticIsChosen) {
    settings.automatic_report = 1;
    Show("choose ListView1 4; choose rdgrpReportingInterval 2");
    EXPECT_FALSE(Dialog(0).radios[2].enabled);
    EXPECT_THAT(Dialog(0).refused_action, HasSubstr("rdgrpReportingInterval: the group is disabled"));
    Show("choose ListView1 4; choose rdgrpReportingMode Automatic; choose rdgrpReportingInterval \"Every hour\"");
    EXPECT_TRUE(Dialog(1).radios[2].enabled);
    EXPECT_EQ(settings.automatic_report, 0);
    EXPECT_EQ(settings.reporting_interval, 4);
}

TEST_F(Options, UntickingCyrillicWritesTheTwelveCharactersAtOnce) {
    Show("choose ListView1 Languages; untick cblblanguages Cyrillic");
    EXPECT_EQ(settings.alphabet_groups, "111101111111");
    EXPECT_EQ(StoredAlphabets(), "111101111111");
}

TEST_F(Options, AShortAlphabetStringTicksWhatItCoversAndATickWritesAllTwelve) {
    settings.alphabet_groups = "101";
    Show("choose ListView1 2; tick cblblanguages Greek");
    const auto& ticks = Dialog().alphabets;
    EXPECT_TRUE(ticks[0]);
    EXPECT_FALSE(ticks[1]);
    EXPECT_TRUE(ticks[2]);
    EXPECT_FALSE(ticks[4]);
    EXPECT_EQ(StoredAlphabets(), "101001000000");
    EXPECT_EQ(settings.alphabet_groups, "101001000000");
}

TEST_F(Options, PlusAddsThePromptTextUnalteredAndTheListsAreReadAgain) {
    Show("choose ListView1 0; press btnbansenders");
    EXPECT_EQ(File(ListKind::BannedSenders), "--++BANNED SENDERS++--\r\nInput word(s) here and press button to add...\r\n");
    EXPECT_THAT(lists->List(ListKind::BannedSenders).Entries(),
                ElementsAre("--++BANNED SENDERS++--", "Input word(s) here and press button to add..."));
    EXPECT_EQ(Dialog().editors[0].count_label, u"2 Members in this List");
}

TEST_F(Options, ALineInAnotherCaseIsNotAddedTwice) {
    Add(ListKind::FriendSenders, "ann@example.com");
    Show("choose ListView1 0; type edoksenders ANN@example.com; press btnoksenders; type edoksenders bob@example.net; "
         "press btnoksenders");
    EXPECT_EQ(File(ListKind::FriendSenders), "--++protected senders++--\r\nann@example.com\r\nbob@example.net\r\n");
    EXPECT_EQ(Dialog().editors[1].entry, u"bob@example.net");  // the field keeps its text
}

TEST_F(Options, DelDeletesTheSelectedLinesAndAClickCopiesALine) {
    for (const char* word : {"casino", "lottery", "viagra"}) Add(ListKind::ForbiddenWords, word);
    Show("choose ListView1 1; click lbbanwords 3; select lbbanwords 1 2; key lbbanwords DEL");
    EXPECT_EQ(Dialog().editors[2].entry, u"viagra");
    EXPECT_EQ(File(ListKind::ForbiddenWords), "--++forbidden++--\r\nviagra\r\n");
    EXPECT_THAT(lists->List(ListKind::ForbiddenWords).Entries(), ElementsAre("--++forbidden++--", "viagra"));
    EXPECT_EQ(Dialog().editors[2].count_label, u"2 Members in this List");
}

TEST_F(Options, AnEditorErrorIsToldAndTheDialogStaysOpen) {
    settings.load_ol_addresses = false;  // no first-start scan with its message
    Show("choose ListView1 1; type edbanwords \"two\nlines\"; press btnbanwords; choose ListView1 7; tick cbPause");
    ASSERT_EQ(platform.MessageBoxes().Calls().size(), 1u);
    EXPECT_THAT(platform::ToUtf8(platform.MessageBoxes().Calls()[0].text), HasSubstr("line break"));
    EXPECT_TRUE(settings.paused);  // the actions after the error still happened
    EXPECT_EQ(File(ListKind::ForbiddenWords), "--++forbidden++--\r\n");
}

TEST_F(Options, AControlIsUsedOnlyOnItsPage) {
    Show("tick cbPause");
    EXPECT_THAT(Dialog().refused_action, HasSubstr("cbPause: its page is not shown (choose ListView1 \"Miscellaneous\" first)"));
    EXPECT_FALSE(settings.paused);
}

TEST_F(Options, TheRescanRunsOnceAndNotAtTheNextClosing) {
    settings.load_ol_addresses = false;
    Contact("carol@example.org");
    Show("choose ListView1 Address-Book; press BtnScanAddressBook");
    EXPECT_THAT(lists->List(ListKind::FriendSenders).Entries(), ElementsAre("--++protected senders++--", "carol@example.org"));
    ASSERT_NE(Quarantine(), nullptr);  // made when the scan was asked for
    Contact("dave@example.org");
    Show("");
    EXPECT_FALSE(lists->List(ListKind::FriendSenders).IndexOf("dave@example.org").has_value());
    EXPECT_FALSE(settings.load_ol_addresses);
}

TEST_F(Options, AListFileThatCannotBeWrittenEndsTheCommandBeforeTheDialogShows) {
    dir.Write("OKsenders.tarn", "--++protected senders++--\r\n");
    using std::filesystem::perms;
    std::filesystem::permissions(dir / "OKsenders.tarn", perms::owner_read | perms::group_read | perms::others_read);
    EXPECT_THROW(Show("choose ListView1 7; tick cbPause"), platform::FileError);
    EXPECT_EQ(Dialog().showings, 0);
    EXPECT_FALSE(settings.paused);
}

}  // namespace
}  // namespace tarn::commands
