#pragma once

#include <windows.h>

namespace tarn::win {

// What every window of the add-in is made in, on Outlook's thread: the activation context of
// the library's manifest, so that its controls are those of Common Controls 6 with visual
// styles, and per-monitor DPI awareness (version 2), so that the window scales with the
// monitor it is on instead of being stretched blurred by Windows. The thread is left as it was
// found when the scope ends. Where Windows has neither (before Windows 10 for the second), the
// scope changes nothing and the windows look as Outlook's own.
class ViewScope {
public:
    ViewScope() noexcept;
    ~ViewScope();
    ViewScope(const ViewScope&) = delete;
    ViewScope& operator=(const ViewScope&) = delete;

private:
    ULONG_PTR activation_cookie_ = 0;
    bool activated_ = false;
    DPI_AWARENESS_CONTEXT previous_dpi_ = nullptr;
};

}  // namespace tarn::win
