// The allow/ban dialog's presenter in another language, and the scripts its headless user
// plays.
#include <gmock/gmock.h>

#include "dialogs/ban_allow_dialog.h"
#include "dialogs/headless/dialog_script.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "host/sim/sim_message_boxes.h"
#include "platform/stream_diagnostics.h"
#include "tests/support/temp_dir.h"

#include <sstream>

namespace tarn::dialogs {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Kind = UserAction::Kind;

TEST(BanAllowDialog, MoreAndLessFollowTheLanguageFileAndTellTheCaptionBySubstring) {
    test_support::TempDir installation;
    installation.Write("Language.ini", "[Main]\r\nCurrent=Deutsch\r\nDeutsch=2000\r\n[2000]\r\nsMore=Mehr\r\nsLess=Weniger\r\n"
                                       "btnBan=Sperren\r\n");
    std::ostringstream log;
    platform::StreamDiagnostics diagnostics(log, "test");
    const auto lists = store::UserLists::CreateLists(installation.Path(), diagnostics);
    host::sim::SimMessageBoxes boxes;
    HeadlessDialogFactory factory;
    factory.ScriptNextBanAllow(ParseDialogScript("press btnmore; press btnmore; press btnmore"));
    TfrmbanOK dialog(factory.CreateBanAllowView(), *lists, boxes, 204);
    dialog.EnableMore(true);
    EXPECT_EQ(dialog.ShowModal(installation.Path()), ModalResult::Cancel);
    const auto& shown = *factory.BanAllowWindows().at(0);
    EXPECT_EQ(shown.char_set, 204);
    EXPECT_EQ(shown.ban_caption, u"Sperren");
    EXPECT_EQ(shown.allow_caption, u"Allow");  // a key the language lacks keeps its default
    EXPECT_EQ(shown.more_caption, u"<< Weniger");
    EXPECT_EQ(shown.outer_height, 350);
}

TEST(DialogScript, ActionsAreSplitAtSemicolonsAndLinesAndQuotesKeepWhatTheyHold) {
    const auto script = ParseDialogScript("type EAE two  words ; select Memo1 3 4\npress btnBan;"
                                          "type edoksenders \"a; \\\"b\\\"  c\"; click lboksenders 2;;");
    ASSERT_EQ(script.size(), 5u);
    EXPECT_EQ(script[0].kind, Kind::Type);
    EXPECT_EQ(script[0].text, u"two words");
    EXPECT_EQ(script[1].kind, Kind::Select);
    EXPECT_EQ(script[1].start, 3);
    EXPECT_EQ(script[1].length, 4);
    EXPECT_EQ(script[2].control, "btnBan");
    EXPECT_EQ(script[3].text, u"a; \"b\"  c");
    EXPECT_EQ(script[4].kind, Kind::Click);
    EXPECT_EQ(script[4].start, 2);
    EXPECT_EQ(ParseDialogScript("type EAE")[0].text, u"");
    EXPECT_EQ(ParseDialogScript("tick cblblanguages Caf\xC3\xA9")[0].text, u"Caf\u00E9");
}

TEST(DialogScript, AScriptThatCannotBeReadSaysWhich) {
    const auto error = [](std::string_view script) {
        try {
            ParseDialogScript(script);
        } catch (const DialogScriptError& refused) {
            return std::string(refused.what());
        }
        return std::string("no error");
    };
    EXPECT_THAT(error("press btnBan; jump EAE"), HasSubstr("\"jump EAE\": no such action"));
    EXPECT_THAT(error("press"), HasSubstr("press takes 1 word"));
    EXPECT_THAT(error("select EAE 1"), HasSubstr("select takes 3 words"));
    EXPECT_THAT(error("select EAE one 2"), HasSubstr("\"one\" is not a number"));
    EXPECT_THAT(error("select EAE -1 2"), HasSubstr("\"-1\" is not a number"));
    EXPECT_THAT(error("type EAE \"open"), HasSubstr("never closed"));
}

}  // namespace
}  // namespace tarn::dialogs
