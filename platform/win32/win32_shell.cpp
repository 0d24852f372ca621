#include "platform/win32/win32_shell.h"

namespace tarn::platform {

void Win32Shell::Open(const std::u16string& target, ShowCommand show) {
    execute_(nullptr, L"open", reinterpret_cast<LPCWSTR>(target.c_str()), nullptr, nullptr, static_cast<INT>(show));
}

}  // namespace tarn::platform
