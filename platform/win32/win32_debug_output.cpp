#include "platform/win32/win32_debug_output.h"

#include "platform/codepage.h"

namespace tarn::platform {

void Win32DebugOutput::Write(std::string_view line) noexcept {
    try {
        const std::u16string text = Widen(line) + u"\r\n";
        write_(reinterpret_cast<LPCWSTR>(text.c_str()));
    } catch (...) {
        // Out of memory for the text: the debugger sees nothing of this line.
    }
}

}  // namespace tarn::platform
