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
    for (const auto& [key, counts] : tokens_) file.tokens.push_back({key, counts.ham, counts.spam});
    std::sort(file.tokens.begin(), file.tokens.end(),
              [](const TokenCounts& a, const TokenCounts& b) { return UserTokenBefore(a.hash, b.hash); });
    file.texts.reserve(texts_.size());
    for (const auto& [key, spam] : texts_) file.texts.push_back({key, spam});
    std::sort(file.texts.begin(), file.texts.end(), [](const LearntText& a, const LearntText& b) { return a.key < b.key; });
    return file;
}

std::optional<bool> Lessons::LearntAs(std::uint64_t text_key) const {
    const auto found = texts_.find(text_key);
    if (found == texts_.end()) return std::nullopt;
    return found->second;
}

void Lessons::Learn(std::uint64_t text_key, const TokenSet& tokens, bool spam) {
    texts_[text_key] = spam;
    ++(spam ? messages_.spam : messages_.ham);
    for (const std::uint64_t token : tokens) ++(spam ? tokens_[token].spam : tokens_[token].ham);
}

void Lessons::Unlearn(std::uint64_t text_key, const TokenSet& tokens) {
    const auto found = texts_.find(text_key);
    if (found == texts_.end()) return;
    const bool spam = found->second;
    texts_.erase(found);
    std::uint32_t& messages = spam ? messages_.spam : messages_.ham;
    if (messages > 0) --messages;
    for (const std::uint64_t token : tokens) {
        const auto counts = tokens_.find(token);
        if (counts == tokens_.end()) continue;
        std::uint32_t& count = spam ? counts->second.spam : counts->second.ham;
        if (count > 0) --count;
        if (counts->second.ham == 0 && counts->second.spam == 0) tokens_.erase(counts);
    }
}

}  // namespace tarn::rules
