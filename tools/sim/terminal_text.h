#pragma once

#include <string>
#include <string_view>

namespace tarn::tools::sim {

// Text as the simulator shows it on a terminal: UTF-8, with every control character (C0, DEL
// and C1) written as \xNN, so that an escape sequence in a subject or a file name can neither
// clear the screen nor retitle the window.
std::string TerminalText(std::u16string_view text);
// The same for a text of several lines (a message box's): each line break (CR LF, CR or LF)
// starts a new line indented by four blanks.
std::string TerminalLines(std::u16string_view text);
// The same as TerminalText for the add-in's 8-bit text (system code page)...
std::string TerminalAnsi(std::string_view ansi);
// ...and for bytes of the file system, read as UTF-8 (a path, a system error).
std::string TerminalUtf8(std::string_view utf8);

}  // namespace tarn::tools::sim
