#include "tools/train/token_sets.h"

#include <algorithm>

#include "rules/token_hash.h"
#include "rules/tokenizer.h"

namespace tarn::tools::train {

namespace {

class KeyCollector final : public rules::TokenSink {
public:
    explicit KeyCollector(TokenSet& keys) : keys_(keys) {}
    void Add(std::string_view token) override { keys_.push_back(rules::TokenHash(token)); }

private:
    TokenSet& keys_;
};

}  // namespace

TokenSet TokenSetOf(std::string_view screening_text) {
    TokenSet keys;
    KeyCollector collector(keys);
    rules::Tokenize(screening_text, collector);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

std::vector<TokenSet> TokenSetsOf(const std::vector<LabelledMessage>& messages) {
    std::vector<TokenSet> sets;
    sets.reserve(messages.size());
    for (const LabelledMessage& message : messages) sets.push_back(TokenSetOf(message.screening_text));
    return sets;
}

}  // namespace tarn::tools::train
