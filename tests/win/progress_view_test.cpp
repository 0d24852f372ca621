// The progress window on the screen (wine's null display driver): what the presenter sets
// reaches the controls, and the user's presses on the cancel button reach the presenter.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/stream_diagnostics.h"
#include "tests/support/win32/window_watcher.h"
#include "win/views/view_resources.h"
#include "win/views/win32_progress_view.h"

namespace tarn::win {
namespace {

using test_support::WindowTextOf;

class Presses final : public dialogs::ProgressViewEvents {
public:
    int clicks = 0, keys = 0, mouse = 0;
    void btncancelClick() override { ++clicks; }
    void btncancelKeyDown() override { ++keys; }
    void btncancelMouseDown() override { ++mouse; }
};

class ProgressWindowOnScreen : public ::testing::Test {
protected:
    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "test"};
    Win32ProgressView view{diagnostics};
    Presses presses;
    HWND Control(int id) { return GetDlgItem(view.Window(), id); }
};

TEST_F(ProgressWindowOnScreen, ThePresentersTextsAndStatesReachTheControls) {
    view.SetTitle(u"Orvik: Inbox= 12");
    view.SetCancelCaption(u"Close");
    view.SetSpamText(u"Spam email: 3");
    view.SetLegitText(u"OK Email: 9");
    view.SetDetail(u"Cheap watches");
    view.SetMaximum(12);
    view.SetPosition(5);
    view.Show();
    EXPECT_EQ(WindowTextOf(view.Window()), L"Orvik: Inbox= 12");
    EXPECT_EQ(WindowTextOf(Control(IDC_BTNCANCEL)), L"Close");
    EXPECT_EQ(WindowTextOf(Control(IDC_LBLSPAM)), L"Spam email: 3");
    EXPECT_EQ(WindowTextOf(Control(IDC_LBLLEGIT)), L"OK Email: 9");
    EXPECT_EQ(WindowTextOf(Control(IDC_ST)), L"Cheap watches");
    EXPECT_EQ(SendMessageW(Control(IDC_PBNBMSGS), PBM_GETRANGE, FALSE, 0), 12);
    EXPECT_EQ(SendMessageW(Control(IDC_PBNBMSGS), PBM_GETPOS, 0, 0), 5);
    EXPECT_TRUE(IsWindowVisible(view.Window()));
    view.SetLegitVisible(false);
    EXPECT_FALSE(IsWindowVisible(Control(IDC_LBLLEGIT)));
    view.SetCancelEnabled(false);
    EXPECT_FALSE(view.CancelEnabled());
}

TEST_F(ProgressWindowOnScreen, TheWindowHasTheDesignedSizeAndBoldStatusLabels) {
    RECT client{};
    GetClientRect(view.Window(), &client);
    // 342 x 141 pixels at 96 DPI, within what the dialog font's rounding allows.
    EXPECT_NEAR(client.right, 342, 12);
    EXPECT_NEAR(client.bottom, 141, 12);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(IDC_LBLSPAM), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    view.SetCharSet(204);
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(IDC_ST), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfCharSet, 204);
}

TEST_F(ProgressWindowOnScreen, AClickAKeyAndAMouseButtonOnCancelReachThePresenter) {
    view.SetEvents(&presses);
    view.Show();
    SendMessageW(Control(IDC_BTNCANCEL), BM_CLICK, 0, 0);
    EXPECT_GE(presses.clicks, 1);
    SendMessageW(Control(IDC_BTNCANCEL), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(presses.keys, 1);
    SendMessageW(Control(IDC_BTNCANCEL), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_GE(presses.mouse, 1);
}

TEST_F(ProgressWindowOnScreen, TheCloseBoxOnlyHidesTheWindow) {
    view.Show();
    SendMessageW(view.Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(view.Window()));
    EXPECT_FALSE(IsWindowVisible(view.Window()));
    const HWND window = view.Window();
    view.Close();
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tarn::win
