#pragma once

#include <vector>

#include "rules/token_set.h"
#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

using rules::TokenSet;
using rules::TokenSetOf;

// The token set of every message, as the engine tokenizes it.
std::vector<TokenSet> TokenSetsOf(const std::vector<LabelledMessage>& messages);

}  // namespace tarn::tools::train
