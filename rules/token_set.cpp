#include "rules/token_set.h"

#include <algorithm>

#include "rules/token_hash.h"
#include "rules/tokenizer.h"

namespace tarn::rules {

namespace {

class KeyCollector final : public TokenSink {
public:
    explicit KeyCollector(TokenSet& keys) : keys_(keys) {}
    void Add(std::string_view token) override { keys_.push_back(TokenHash(token)); }

private:
    TokenSet& keys_;
};

}  // namespace

TokenSet TokenSetOf(std::string_view screening_text) {
    TokenSet keys;
    KeyCollector collector(keys);
    Tokenize(screening_text, collector);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

}  // namespace tarn::rules
