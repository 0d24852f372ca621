#include <windows.h>

#include "platform/system_colours.h"

namespace tarn::platform {

std::uint32_t ButtonFaceColour() {
    const COLORREF colour = GetSysColor(COLOR_BTNFACE);  // 0x00BBGGRR
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) | (static_cast<std::uint32_t>(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

}  // namespace tarn::platform
