#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "dialogs/headless/headless_dialog_factory.h"
#include "dialogs/progress_window.h"
#include "store/captions.h"
#include "tests/support/temp_dir.h"

namespace tarn::dialogs {
namespace {

using test_support::TempDir;

class ProgressWindow : public ::testing::Test {
protected:
    HeadlessDialogFactory factory;
    store::Captions captions;

    TFRMProcessmsgs Open() { return TFRMProcessmsgs(factory.CreateProgressView(), captions, u"Analysing Inbox"); }
    const ProgressWindowRecord& Shown() const { return *factory.ProgressWindows().back(); }
};

TEST_F(ProgressWindow, TakesItsTitleCancelCaptionAndCharacterSetFromItsCreation) {
    TempDir dir;
    dir.Write("Language.ini",
              "[Main]\r\nCurrent=Deutsch\r\nDeutsch=2000\r\n[2000]\r\nbtnClose=Schlie\xDF" "en\r\nsCharSet=238\r\n");
    captions = store::LoadCaptionsAndStrings(dir.Path());
    const TFRMProcessmsgs window = Open();

    EXPECT_EQ(Shown().title, u"Analysing Inbox");
    EXPECT_EQ(Shown().cancel_caption, u"Schlie\u00DFen");
    EXPECT_EQ(Shown().char_set, 238);
    EXPECT_TRUE(Shown().cancel_enabled);
    EXPECT_FALSE(window.Cancelled());
    EXPECT_FALSE(Shown().visible);  // modeless, and only on Show
}

TEST_F(ProgressWindow, OpensReadyToCancelWhateverTheWindowsDesign) {
    auto designed_disabled = std::make_shared<ProgressWindowRecord>();
    designed_disabled->cancel_enabled = false;
    const TFRMProcessmsgs window(std::make_unique<HeadlessProgressView>(factory, designed_disabled, std::nullopt),
                                 captions, u"title");
    EXPECT_FALSE(window.Cancelled());
    EXPECT_TRUE(designed_disabled->cancel_enabled);
}

TEST_F(ProgressWindow, EachCancelHandlerDisablesTheButtonAndRepaintsOnce) {
    using Handler = void (TFRMProcessmsgs::*)();
    for (const Handler first : {&TFRMProcessmsgs::btncancelClick, &TFRMProcessmsgs::btncancelKeyDown,
                                &TFRMProcessmsgs::btncancelMouseDown}) {
        TFRMProcessmsgs window = Open();
        window.EnableCancel();
        (window.*first)();
        EXPECT_TRUE(window.Cancelled());
        EXPECT_FALSE(Shown().cancel_enabled);
        EXPECT_EQ(Shown().repaints, 1);

        // Pressing again, in any way, changes nothing more.
        window.btncancelClick();
        window.btncancelKeyDown();
        window.btncancelMouseDown();
        EXPECT_TRUE(window.Cancelled());
        EXPECT_EQ(Shown().repaints, 1);
    }
}

TEST_F(ProgressWindow, ACancelStandsAgainstEnableCancel) {
    TFRMProcessmsgs window = Open();
    window.EnableCancel();
    EXPECT_FALSE(window.Cancelled());
    EXPECT_TRUE(Shown().cancel_enabled);

    window.btncancelClick();
    window.EnableCancel();
    EXPECT_TRUE(window.Cancelled());
    EXPECT_FALSE(Shown().cancel_enabled);
}

TEST_F(ProgressWindow, IsClosedAndDestroyedWhenThePresenterGoes) {
    {
        TFRMProcessmsgs window = Open();
        window.Show();
        EXPECT_FALSE(Shown().closed);
    }
    EXPECT_TRUE(Shown().closed);
    EXPECT_TRUE(Shown().destroyed);
    EXPECT_FALSE(Shown().visible);
}

}  // namespace
}  // namespace tarn::dialogs
