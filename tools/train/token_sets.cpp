#include "tools/train/token_sets.h"

namespace tarn::tools::train {

std::vector<TokenSet> TokenSetsOf(const std::vector<LabelledMessage>& messages) {
    std::vector<TokenSet> sets;
    sets.reserve(messages.size());
    for (const LabelledMessage& message : messages) sets.push_back(TokenSetOf(message.screening_text));
    return sets;
}

}  // namespace tarn::tools::train
