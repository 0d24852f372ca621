// The scope the add-in's windows are made in: Common Controls 6 from the library's manifest and
// per-monitor DPI awareness, and Outlook's thread left as it was found.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "win/views/view_scope.h"

namespace tarn::win {
namespace {

// Whether a button made now is one of Common Controls 6: only those tell their ideal size.
bool ButtonIsCommonControlsSix() {
    HWND button = CreateWindowExW(0, L"Button", L"OK", WS_POPUP, 0, 0, 80, 25, nullptr, nullptr, nullptr, nullptr);
    SIZE ideal{};
    const bool six = SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != FALSE;
    DestroyWindow(button);
    return six;
}

TEST(ViewScope, WindowsMadeInItAreCommonControlsSixAndTheThreadGetsItsContextBack) {
    EXPECT_FALSE(ButtonIsCommonControlsSix());  // this test program has no manifest of its own
    {
        const ViewScope scope;
        EXPECT_TRUE(ButtonIsCommonControlsSix());
    }
    EXPECT_FALSE(ButtonIsCommonControlsSix());
}

TEST(ViewScope, TheThreadIsPerMonitorDpiAwareInsideAndAsBeforeAfter) {
    const DPI_AWARENESS_CONTEXT before = GetThreadDpiAwarenessContext();
    {
        const ViewScope scope;
        EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()), DPI_AWARENESS_PER_MONITOR_AWARE);
    }
    EXPECT_TRUE(AreDpiAwarenessContextsEqual(GetThreadDpiAwarenessContext(), before));
}

}  // namespace
}  // namespace tarn::win
