#include "rules/lessons.h"

namespace tarn::rules {

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
