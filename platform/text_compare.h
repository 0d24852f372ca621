#pragma once

#include <string_view>

namespace tarn::platform {

// The user locale's case-insensitive comparison of 8-bit texts: negative, zero or positive.
// Zero means the texts differ at most in letter case. The lists, their duplicate rule and
// their look-ups all use this one comparison.
int CompareTextIgnoreCase(std::string_view left, std::string_view right);

}  // namespace tarn::platform
