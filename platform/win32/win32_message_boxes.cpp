#include "platform/win32/win32_message_boxes.h"

namespace tarn::platform {

void Win32MessageBoxes::Show(const std::u16string& text, const std::u16string& caption, MessageBoxKind kind) {
    const UINT icon = kind == MessageBoxKind::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    show_(GetActiveWindow(), reinterpret_cast<LPCWSTR>(text.c_str()), reinterpret_cast<LPCWSTR>(caption.c_str()),
          MB_OK | icon | MB_TASKMODAL);
}

}  // namespace tarn::platform
