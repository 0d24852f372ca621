// The message pump against a message-only window of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32_message_pump.h"

namespace tarn::platform {
namespace {

std::vector<UINT> received;

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message >= WM_APP) received.push_back(message);
    return DefWindowProcW(window, message, wparam, lparam);
}

TEST(Win32MessagePump, DispatchesWhatWaitsAndLeavesAQuitForTheMainLoop) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = RecordingProcedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"Tarn4OL pump test";
    RegisterClassExW(&window_class);
    const HWND window = CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        window_class.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    Win32MessagePump pump;
    PostMessageW(window, WM_APP + 1, 0, 0);
    PostQuitMessage(7);
    PostMessageW(window, WM_APP + 2, 0, 0);
    pump.ProcessMessages();
    EXPECT_EQ(received, (std::vector<UINT>{WM_APP + 1, WM_APP + 2}));
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(window);
}

}  // namespace
}  // namespace tarn::platform
