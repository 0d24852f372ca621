#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/dialog_error.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "dialogs/progress_window.h"
#include "store/captions.h"

namespace tarn::dialogs {
namespace {

// Which cancel handlers a window's user pressed.
class PressLog final : public ProgressViewEvents {
public:
    std::vector<std::string> presses;
    void btncancelClick() override { presses.push_back("Click"); }
    void btncancelKeyDown() override { presses.push_back("KeyDown"); }
    void btncancelMouseDown() override { presses.push_back("MouseDown"); }
};

// Closes another window when its cancel button is pressed.
class CloseOnPress final : public ProgressViewEvents {
public:
    explicit CloseOnPress(std::unique_ptr<ProgressView>& other) : other_(other) {}
    void btncancelClick() override { other_.reset(); }
    void btncancelKeyDown() override { other_.reset(); }
    void btncancelMouseDown() override { other_.reset(); }

private:
    std::unique_ptr<ProgressView>& other_;
};

class ScriptedCancel : public ::testing::Test {
protected:
    HeadlessDialogFactory factory;
    store::Captions captions;

    void Pump(int times) {
        for (int i = 0; i < times; ++i) factory.OnMessagesPumped();
    }
};

TEST_F(ScriptedCancel, PressesAtTheScriptedPumpAfterCreationAndOnlyInTheScriptedWindow) {
    TFRMProcessmsgs before(factory.CreateProgressView(), captions, u"before");
    before.Show();
    Pump(5);
    factory.CancelNextProgressAfterPumps(3);
    TFRMProcessmsgs scripted(factory.CreateProgressView(), captions, u"scripted");
    TFRMProcessmsgs after(factory.CreateProgressView(), captions, u"after");
    scripted.Show();
    after.Show();

    Pump(2);
    EXPECT_FALSE(scripted.Cancelled());
    Pump(1);
    EXPECT_TRUE(scripted.Cancelled());
    EXPECT_EQ(factory.ProgressWindows()[1]->repaints, 1);

    Pump(10);
    EXPECT_FALSE(before.Cancelled());
    EXPECT_FALSE(after.Cancelled());
}

TEST_F(ScriptedCancel, PressesTheScriptedWayOnce) {
    for (const auto& [press, name] : {std::pair{CancelPress::Click, "Click"}, std::pair{CancelPress::KeyDown, "KeyDown"},
                                      std::pair{CancelPress::MouseDown, "MouseDown"}}) {
        factory.CancelNextProgressAfterPumps(1, press);
        PressLog log;
        const std::unique_ptr<ProgressView> view = factory.CreateProgressView();
        view->SetEvents(&log);
        view->Show();
        Pump(3);
        EXPECT_EQ(log.presses, std::vector<std::string>{name});
    }
}

TEST_F(ScriptedCancel, NoPressWhereTheUserCouldNotPress) {
    // Never shown.
    factory.CancelNextProgressAfterPumps(1);
    const TFRMProcessmsgs never_shown(factory.CreateProgressView(), captions, u"never shown");
    Pump(1);
    EXPECT_FALSE(never_shown.Cancelled());

    // Hidden by the close box: the window stays open, its command runs on.
    auto view = std::make_unique<HeadlessProgressView>(factory, std::make_shared<ProgressWindowRecord>(),
                                                       CancelScript{2, CancelPress::Click});
    HeadlessProgressView& screen = *view;
    TFRMProcessmsgs closed_box(std::move(view), captions, u"close box");
    closed_box.Show();
    Pump(1);
    screen.PressCloseBox();
    Pump(1);
    EXPECT_FALSE(closed_box.Cancelled());
}

TEST_F(ScriptedCancel, APressThatClosesAnotherWindowDuringThePumpIsSafe) {
    factory.CancelNextProgressAfterPumps(1);
    const std::unique_ptr<ProgressView> pressed = factory.CreateProgressView();
    std::unique_ptr<ProgressView> other = factory.CreateProgressView();
    CloseOnPress closer(other);
    pressed->SetEvents(&closer);
    pressed->Show();
    other->Show();
    Pump(1);  // under the sanitizers, the pump reaching the closed window fails here
    EXPECT_EQ(other, nullptr);
    EXPECT_TRUE(factory.ProgressWindows()[1]->destroyed);
}

TEST_F(ScriptedCancel, CountsFromTheFirstPump) {
    EXPECT_THROW(factory.CancelNextProgressAfterPumps(0), std::invalid_argument);
    EXPECT_THROW(factory.CancelNextProgressAfterPumps(-1), std::invalid_argument);
}

TEST(HeadlessDialogFactory, AFailedCreationLeavesNoWindowAndKeepsTheScriptsForTheNextOne) {
    HeadlessDialogFactory factory;
    factory.CancelNextProgressAfterPumps(1);
    factory.FailNextCreation();
    EXPECT_THROW(factory.CreateProgressView(), DialogError);
    EXPECT_TRUE(factory.ProgressWindows().empty());

    TFRMProcessmsgs window(factory.CreateProgressView(), store::Captions(), u"second");
    window.Show();
    factory.OnMessagesPumped();
    EXPECT_TRUE(window.Cancelled());
    EXPECT_EQ(factory.ProgressWindows().size(), 1u);
}

}  // namespace
}  // namespace tarn::dialogs
