#pragma once

#include <string>
#include <string_view>

namespace tarn::tools::sim {

// An 8-bit text of the add-in (system code page) as a JSON string literal, quotes included:
// converted to UTF-8, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view ansi);

}  // namespace tarn::tools::sim
