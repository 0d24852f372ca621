#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

// The different tokens of one message, by key, ascending: what training counts.
using TokenSet = std::vector<std::uint64_t>;

// The token set of a screening text, as the engine tokenizes it.
TokenSet TokenSetOf(std::string_view screening_text);
std::vector<TokenSet> TokenSetsOf(const std::vector<LabelledMessage>& messages);

}  // namespace tarn::tools::train
