// The rating engine takes any screening text without harm: every token fits the token limit,
// and the verdict is a terminated text of at most 1023 characters with a rate on the scale.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "rules/engine.h"
#include "rules/token_hash.h"
#include "rules/token_sink.h"
#include "rules/tokenizer.h"

namespace {

class CheckedTokens final : public tarn::rules::TokenSink {
public:
    void Add(std::string_view token) override {
        if (token.empty() || token.size() > tarn::rules::MaxTokenLength) std::abort();
    }
};

// A small dictionary that knows some of the tokens fuzzing reaches soon, so that clues and the
// verdict are built too.
tarn::rules::Dictionary SmallDictionary() {
    using namespace tarn::rules;
    Dictionary dictionary;
    dictionary.ham_messages = 100;
    dictionary.spam_messages = 100;
    for (const char* spam : {"free", "click", "html:comment", "body:html", "subject:none", "url:http"}) {
        dictionary.tokens.push_back({TokenHash(spam), 1, 60});
    }
    for (const char* ham : {"the", "and", "body:noletters", "header:from", "from:noname"}) {
        dictionary.tokens.push_back({TokenHash(ham), 60, 1});
    }
    std::sort(dictionary.tokens.begin(), dictionary.tokens.end(),
              [](const TokenCounts& a, const TokenCounts& b) { return a.hash < b.hash; });
    return dictionary;
}

tarn::rules::Engine& EngineWithClues() {
    static tarn::rules::Engine engine;
    static const bool ready = engine.Use(SmallDictionary());
    if (!ready) std::abort();
    return engine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckedTokens tokens;
    tarn::rules::Tokenize(text, tokens);
    char verdict[1024];
    std::memset(verdict, 'x', sizeof verdict);
    EngineWithClues().Analyze(text, verdict);
    if (std::memchr(verdict, '\0', sizeof verdict) == nullptr) std::abort();
    return 0;
}
