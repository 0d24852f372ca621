// The about window on the screen (wine's null display driver), modal: a watcher thread plays
// the user, looks at the window and closes it; and the splash, which does not wait.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <string>

#include "platform/stream_diagnostics.h"
#include "tests/support/win32/window_watcher.h"
#include "win/views/view_resources.h"
#include "win/views/win32_about_view.h"

namespace tarn::win {
namespace {

using test_support::WindowTextOf;
using test_support::WindowWatcher;

class WebSiteClicks final : public dialogs::AboutViewEvents {
public:
    std::atomic<int> clicks = 0;
    void btnGotowebClick() override { ++clicks; }
};

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Runs this thread's messages for a while, as Outlook's message loop does.
void RunMessagesFor(std::chrono::milliseconds duration) {
    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

class AboutWindowOnScreen : public ::testing::Test {
protected:
    AboutWindowOnScreen() {
        view.SetTitle(u"Orvik' Tarn Add-in for MS Outlook - 2.5");
        view.SetButtonCaption(u"Go to our web site now...");
        view.SetEvents(&clicks);
    }
    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "test"};
    Win32AboutView view{diagnostics};
    WebSiteClicks clicks;
};

TEST_F(AboutWindowOnScreen, ThePictureSizeTheTitleAndTheButtonAtTheLowerRight) {
    std::wstring title, caption;
    RECT client{}, button{};
    bool topmost = false;
    {
        WindowWatcher user([&](HWND dialog) {
            title = WindowTextOf(dialog);
            caption = WindowTextOf(GetDlgItem(dialog, IDC_BTNGOTOWEB));
            GetClientRect(dialog, &client);
            button = ClientRectOf(dialog, GetDlgItem(dialog, IDC_BTNGOTOWEB));
            topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_EQ(title, L"Orvik' Tarn Add-in for MS Outlook - 2.5");
    EXPECT_EQ(caption, L"Go to our web site now...");
    EXPECT_TRUE(topmost);
    // 367 x 242 pixels at 96 DPI; the button, 225 x 25, 10 pixels in from the lower right.
    EXPECT_EQ(client.right, 367);
    EXPECT_EQ(client.bottom, 242);
    EXPECT_EQ(button.right - button.left, 225);
    EXPECT_EQ(button.bottom - button.top, 25);
    EXPECT_EQ(button.right, 357);
    EXPECT_EQ(button.bottom, 232);
}

TEST_F(AboutWindowOnScreen, TheButtonReachesThePresenterAndTheWindowStaysOpen) {
    bool open_after_click = false;
    {
        WindowWatcher user([&](HWND dialog) {
            SendMessageW(GetDlgItem(dialog, IDC_BTNGOTOWEB), BM_CLICK, 0, 0);
            open_after_click = IsWindowVisible(dialog) != FALSE;
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_EQ(clicks.clicks, 1);
    EXPECT_TRUE(open_after_click);
}

TEST_F(AboutWindowOnScreen, EscClosesTheWindowAsTheCloseBoxDoes) {
    WindowWatcher user([&](HWND dialog) {
        PostMessageW(GetDlgItem(dialog, IDC_BTNGOTOWEB), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    view.ShowModal();  // returns: the test would hang otherwise
    EXPECT_EQ(clicks.clicks, 0);
}

TEST_F(AboutWindowOnScreen, TheSplashReturnsAtOnceAndClosesByItselfFromTheMessageLoop) {
    view.ShowModeless(std::chrono::milliseconds(200));  // returns: the test would hang otherwise
    const HWND window = view.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    // It never takes the keyboard, so it never becomes the owner of the next window shown.
    EXPECT_NE(GetActiveWindow(), window);
    RunMessagesFor(std::chrono::milliseconds(20));
    EXPECT_NE(GetActiveWindow(), window);
    EXPECT_EQ(WindowTextOf(window), L"Orvik' Tarn Add-in for MS Outlook - 2.5");
    RunMessagesFor(std::chrono::milliseconds(400));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(view.Window(), nullptr);
    EXPECT_EQ(clicks.clicks, 0);
}

TEST_F(AboutWindowOnScreen, AClickPutsTheSplashAwayAndAViewThatGoesTakesItsWindowWithIt) {
    view.ShowModeless(std::chrono::seconds(30));
    const HWND clicked = view.Window();
    ASSERT_NE(clicked, nullptr);
    SendMessageW(clicked, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_FALSE(IsWindow(clicked));

    HWND left = nullptr;
    {
        Win32AboutView shown(diagnostics);
        shown.ShowModeless(std::chrono::seconds(30));
        left = shown.Window();
        ASSERT_TRUE(IsWindow(left));
    }
    EXPECT_FALSE(IsWindow(left));
}

}  // namespace
}  // namespace tarn::win
