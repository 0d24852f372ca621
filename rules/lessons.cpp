#include "rules/lessons.h"

#include <algorithm>

namespace tarn::rules {

Lessons::Lessons(const UserDictionary& file) : messages_{file.ham_messages, file.spam_messages} {
    tokens_.reserve(file.tokens.size());
    for (const TokenCounts& token : file.tokens) tokens_[token.hash] = {token.ham, token.spam};
    texts_.reserve(file.texts.size());
    for (const LearntText& text : file.texts) texts_[text.key] = text.spam;
}

UserDictionary Lessons::File() const {
    UserDictionary file;
    file.ham_messages = messages_.ham;
    file.spam_messages = messages_.spam;
    file.tokens.reserve(tokens_.size());
    tokens_.ForEach([&](std::uint64_t key, const Counts& counts) { file.tokens.push_back({key, counts.ham, counts.spam}); });
    std::sort(file.tokens.begin(), file.tokens.end(),
              [](const TokenCounts& a, const TokenCounts& b) { return UserTokenBefore(a.hash, b.hash); });
    file.texts.reserve(texts_.size());
    texts_.ForEach([&](std::uint64_t key, bool spam) { file.texts.push_back({key, spam}); });
    std::sort(file.texts.begin(), file.texts.end(), [](const LearntText& a, const LearntText& b) { return a.key < b.key; });
    return file;
}

std::optional<bool> Lessons::LearntAs(std::uint64_t text_key) const {
    const bool* spam = texts_.find(text_key);
    if (spam == nullptr) return std::nullopt;
    return *spam;
}

void Lessons::Learn(std::uint64_t text_key, const TokenSet& tokens, bool spam) {
    texts_[text_key] = spam;
    ++(spam ? messages_.spam : messages_.ham);
    for (const std::uint64_t token : tokens) ++(spam ? tokens_[token].spam : tokens_[token].ham);
}

void Lessons::Unlearn(std::uint64_t text_key, const TokenSet& tokens) {
    const bool* learnt = texts_.find(text_key);
    if (learnt == nullptr) return;
    const bool spam = *learnt;
    texts_.erase(text_key);
    std::uint32_t& messages = spam ? messages_.spam : messages_.ham;
    if (messages > 0) --messages;
    for (const std::uint64_t token : tokens) {
        Counts* counts = tokens_.find(token);
        if (counts == nullptr) continue;
        std::uint32_t& count = spam ? counts->spam : counts->ham;
        if (count > 0) --count;
        if (counts->ham == 0 && counts->spam == 0) tokens_.erase(token);
    }
}

}  // namespace tarn::rules
