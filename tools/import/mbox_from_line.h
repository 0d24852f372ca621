#pragma once

#include <string_view>

namespace tarn::tools::import {

// The "From " line that opens each message of an mbox file, and the files that mail tools
// save one message at a time: "From " at the very start of a line. A "From:" header is not one.
bool IsMboxFromLine(std::string_view line);

// The message without the mbox "From " line it may start with.
std::string_view WithoutMboxFromLine(std::string_view raw);

}  // namespace tarn::tools::import
