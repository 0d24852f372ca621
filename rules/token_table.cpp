#include "rules/token_table.h"

#include <algorithm>

namespace tarn::rules {

namespace {

void Step(std::uint32_t& count, int step) noexcept {
    if (step >= 0) {
        count += static_cast<std::uint32_t>(step);
    } else {
        count -= std::min(count, static_cast<std::uint32_t>(-static_cast<std::int64_t>(step)));
    }
}

}  // namespace

double TokenProbability(std::uint32_t ham, std::uint32_t spam, std::uint32_t ham_messages,
                        std::uint32_t spam_messages, const ClassifierParameters& p) noexcept {
    const double ham_share = static_cast<double>(ham) / ham_messages;
    const double spam_share = static_cast<double>(spam) / spam_messages;
    const double seen = static_cast<double>(ham) + spam;
    const double spam_ratio = spam_share / (ham_share + spam_share);
    return (p.unknown_strength * p.unknown_probability + seen * spam_ratio) / (p.unknown_strength + seen);
}

TokenTable::TokenTable(const Dictionary& dictionary)
    : parameters_(dictionary.parameters),
      ham_messages_(dictionary.ham_messages),
      spam_messages_(dictionary.spam_messages) {
    counts_.reserve(dictionary.tokens.size());
    for (const TokenCounts& token : dictionary.tokens) AddCounts(token.hash, token.ham, token.spam);
}

void TokenTable::CountMessage(bool spam, int step) noexcept { Step(spam ? spam_messages_ : ham_messages_, step); }

void TokenTable::CountToken(std::uint64_t hash, bool spam, int step) {
    if (hash == 0) return;
    Counts& counts = counts_[hash];
    Step(spam ? counts.spam : counts.ham, step);
}

void TokenTable::AddCounts(std::uint32_t ham_messages, std::uint32_t spam_messages) {
    ham_messages_ += ham_messages;
    spam_messages_ += spam_messages;
}

void TokenTable::AddCounts(std::uint64_t hash, std::uint32_t ham, std::uint32_t spam) {
    if (hash == 0) return;
    Counts& counts = counts_[hash];
    counts.ham += ham;
    counts.spam += spam;
}

}  // namespace tarn::rules
