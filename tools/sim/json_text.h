#pragma once

#include <string>
#include <string_view>

namespace tarn::tools::sim {

// JSON string literals, quotes included, in UTF-8, with quotes, backslashes and every control
// character (C0, DEL and C1) escaped.
// For the add-in's 8-bit text (system code page): subjects, senders, reasons.
std::string JsonString(std::string_view ansi);
// For bytes of the file system, which are UTF-8 and not the code page: file paths.
std::string JsonUtf8String(std::string_view utf8);

}  // namespace tarn::tools::sim
