#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/token_sink.h"
#include "rules/tokenizer.h"

namespace tarn::rules {

// Every token the tokenizer gives for a text, in order, repeats included.
class TokenList final : public TokenSink {
public:
    void Add(std::string_view token) override { tokens.emplace_back(token); }
    std::vector<std::string> tokens;
};

inline std::vector<std::string> TokensOf(std::string_view text) {
    TokenList list;
    Tokenize(text, list);
    return list.tokens;
}

}  // namespace tarn::rules
