// A list editor of the options dialog works on its list's file, and never writes a file it
// could not read: its box would not hold the user's entries.
#include <gmock/gmock.h>

#include <sstream>

#include "dialogs/headless/headless_options_view.h"
#include "dialogs/options_list_editor.h"
#include "platform/files.h"
#include "platform/stream_diagnostics.h"
#include "tests/support/temp_dir.h"

namespace tarn::dialogs {
namespace {

class ListEditorFile : public ::testing::Test {
protected:
    test_support::TempDir installation;
    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "test"};
    std::shared_ptr<OptionsWindowRecord> record = std::make_shared<OptionsWindowRecord>();
    HeadlessOptionsView view{record, {}};
};

TEST_F(ListEditorFile, AnEditorWhoseFileCouldNotBeReadNeverWritesIt) {
    // A list file that is a link to a file that went away (a disconnected drive).
    std::error_code no_links;
    std::filesystem::create_symlink(installation / "gone" / "protected.tarn", installation / "protected.tarn", no_links);
    if (no_links) GTEST_SKIP() << "this system makes no symbolic links: " << no_links.message();
    const auto lists = store::UserLists::CreateLists(installation.Path(), diagnostics);
    OptionsListEditor editor(view, ListEditor::ProtectedWords, store::ListKind::ProtectedWords, *lists);
    EXPECT_ANY_THROW(editor.Fill());
    view.SetEntryText(ListEditor::ProtectedWords, u"invoice");
    try {
        editor.Add();
        ADD_FAILURE() << "the file was written";
    } catch (const platform::FileError& error) {
        EXPECT_THAT(error.what(), ::testing::HasSubstr("could not be read when the options opened"));
    }
    EXPECT_THROW(editor.KeyDown(false), platform::FileError);
    EXPECT_FALSE(std::filesystem::exists(installation / "gone"));
}

TEST_F(ListEditorFile, AddKeepsTheBoxSortedAsTheListsCompare) {
    installation.Write("OKsenders.tarn", "--++protected senders++--\r\nann@example.com\r\ncarol@example.org\r\n");
    const auto lists = store::UserLists::CreateLists(installation.Path(), diagnostics);
    OptionsListEditor editor(view, ListEditor::FriendSenders, store::ListKind::FriendSenders, *lists);
    editor.Fill();
    view.SetEntryText(ListEditor::FriendSenders, u"Bob@example.net");
    editor.Add();
    EXPECT_EQ(installation.Read("OKsenders.tarn"),
              "--++protected senders++--\r\nann@example.com\r\nBob@example.net\r\ncarol@example.org\r\n");
}

}  // namespace
}  // namespace tarn::dialogs
