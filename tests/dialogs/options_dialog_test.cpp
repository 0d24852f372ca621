// The options dialog's list editors on their files while the dialog is open: any key rewrites
// the file and asks for the lists to be read again; a file that cannot be written is told and
// the dialog stays open.
#include <gmock/gmock.h>

#include <sstream>

#include "dialogs/headless/headless_dialog_factory.h"
#include "dialogs/options_dialog.h"
#include "host/sim/sim_message_boxes.h"
#include "host/sim/sim_shell.h"
#include "platform/codepage.h"
#include "platform/reg_file_registry.h"
#include "platform/stream_diagnostics.h"
#include "tests/support/temp_dir.h"

namespace tarn::dialogs {
namespace {

class OptionsEditors : public ::testing::Test {
protected:
    // The four list files as the command leaves them before the dialog opens, forbidden words
    // with this content.
    void ListFiles(const std::string& forbidden) {
        installation.Write("protected.tarn", "--++protect++--\r\n");
        installation.Write("OKsenders.tarn", "--++protected senders++--\r\n");
        installation.Write("BanSenders.tarn", "--++BANNED SENDERS++--\r\n");
        installation.Write("forbidden.tarn", forbidden);
        lists = store::UserLists::CreateLists(installation.Path(), diagnostics);
    }
    ModalResult Show(std::string_view script) {
        factory.ScriptNextOptions(ParseDialogScript(script));
        TfrmOptions dialog(factory.CreateOptionsView(),
                           {settings, *lists, registry, shell, boxes, installation.Path()}, 1);
        dialog.FillLists();
        prepare();
        const ModalResult result = dialog.ShowModal();
        lists_changed = dialog.ListsChanged();
        return result;
    }

    test_support::TempDir installation;
    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "test"};
    platform::RegFileRegistry registry{installation / "registry.reg"};
    host::sim::SimShell shell;
    host::sim::SimMessageBoxes boxes;
    HeadlessDialogFactory factory;
    store::Settings settings;
    std::unique_ptr<store::UserLists> lists;
    std::function<void()> prepare = [] {};
    bool lists_changed = false;
};

TEST_F(OptionsEditors, AnArrowKeyRewritesTheFileAndAsksForTheListsToBeReadAgain) {
    ListFiles("--++forbidden++--\nviagra\n");  // written by another editor, LF only
    Show("choose ListView1 1; key lbbanwords UP");
    EXPECT_EQ(installation.Read("forbidden.tarn"), "--++forbidden++--\r\nviagra\r\n");
    EXPECT_TRUE(lists_changed);
}

TEST_F(OptionsEditors, AFileThatCannotBeWrittenIsToldAndTheDialogStaysOpen) {
    ListFiles("--++forbidden++--\r\nviagra\r\n");
    prepare = [this] {
        using std::filesystem::perms;
        std::filesystem::permissions(installation / "forbidden.tarn", perms::owner_read | perms::group_read | perms::others_read);
    };
    EXPECT_EQ(Show("choose ListView1 1; type edbanwords casino; press btnbanwords; choose ListView1 7; tick cbPause"),
              ModalResult::Cancel);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_THAT(platform::ToUtf8(boxes.Calls()[0].text), ::testing::HasSubstr("read-only"));
    EXPECT_EQ(installation.Read("forbidden.tarn"), "--++forbidden++--\r\nviagra\r\n");
    EXPECT_TRUE(factory.OptionsWindows().at(0)->checks[static_cast<std::size_t>(CheckBox::Pause)].checked);
    EXPECT_TRUE(factory.OptionsWindows().at(0)->refused_action.empty());
    EXPECT_FALSE(lists_changed);
}

TEST_F(OptionsEditors, AClickInAnEmptyListBoxChangesNothing) {
    ListFiles("");
    Show("choose ListView1 1; click lbbanwords 0");
    const auto& shown = *factory.OptionsWindows().at(0);
    EXPECT_TRUE(shown.refused_action.empty()) << shown.refused_action;
    EXPECT_EQ(shown.editors[static_cast<std::size_t>(ListEditor::ForbiddenWords)].entry,
              u"Input word(s) here and press button to add...");
    EXPECT_FALSE(lists_changed);
}

}  // namespace
}  // namespace tarn::dialogs
