#include "platform/win32/win32_clock.h"

#include <windows.h>

#include <algorithm>

namespace tarn::platform {

LocalTime Win32Clock::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void Win32Clock::Sleep(std::chrono::milliseconds duration) {
    // INFINITE would never return.
    constexpr std::chrono::milliseconds::rep Longest = INFINITE - 1;
    ::Sleep(static_cast<DWORD>(std::clamp<std::chrono::milliseconds::rep>(duration.count(), 0, Longest)));
}

}  // namespace tarn::platform
