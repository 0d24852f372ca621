#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn::platform {

// Splits text into lines the way the add-in's list files and resources are read: CR LF, a
// lone CR and a lone LF each end a line; a NUL byte ends the text; text after the last line
// end is the last line; an empty line is an empty string.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace tarn::platform
