#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tarn::rules {

// The different tokens of one text, by key, ascending: what training and lessons count, each
// token once per message however often it comes.
using TokenSet = std::vector<std::uint64_t>;

TokenSet TokenSetOf(std::string_view screening_text);

}  // namespace tarn::rules
