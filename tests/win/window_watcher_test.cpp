// The tests' user at the screen: message boxes are read and closed with OK, other waiting
// dialogs closed with their close box, so that a program showing one goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/win32/window_watcher.h"

namespace tarn::test_support {
namespace {

TEST(ScreenUser, ReadsEachMessageBoxAndPressesOk) {
    ScreenUser user;
    EXPECT_EQ(MessageBoxW(nullptr, L"The list cannot be written.", L"Orvik' Tarn!", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, L"Second", L"Caption", MB_OK), IDOK);
    const std::vector<ShownMessageBox> expected{{L"Orvik' Tarn!", L"The list cannot be written."}, {L"Caption", L"Second"}};
    EXPECT_EQ(user.MessageBoxes(), expected);
    EXPECT_TRUE(user.ClosedWindows().empty());
}

TEST(ScreenUser, ADialogWithOtherControlsIsNoMessageBox) {
    // A dialog holding an edit box, as the add-in's own dialogs do, is never pressed.
    HWND dialog = CreateWindowExW(0, L"#32770", L"Dialog", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    CreateWindowExW(0, L"Button", L"OK", WS_CHILD, 0, 0, 10, 10, dialog, reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
    EXPECT_TRUE(IsMessageBox(dialog));
    CreateWindowExW(0, L"Edit", L"", WS_CHILD, 0, 20, 10, 10, dialog, reinterpret_cast<HMENU>(100), nullptr, nullptr);
    EXPECT_FALSE(IsMessageBox(dialog));
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace tarn::test_support
