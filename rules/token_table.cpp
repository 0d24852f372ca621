#include "rules/token_table.h"

#include <algorithm>

namespace tarn::rules {

double TokenProbability(std::uint32_t ham, std::uint32_t spam, const Dictionary& dictionary) noexcept {
    const ClassifierParameters& p = dictionary.parameters;
    const double ham_share = static_cast<double>(ham) / dictionary.ham_messages;
    const double spam_share = static_cast<double>(spam) / dictionary.spam_messages;
    const double seen = static_cast<double>(ham) + spam;
    const double spam_ratio = spam_share / (ham_share + spam_share);
    return (p.unknown_strength * p.unknown_probability + seen * spam_ratio) / (p.unknown_strength + seen);
}

TokenTable::TokenTable(const Dictionary& dictionary) : size_(dictionary.tokens.size()) {
    // At most half full, so that a lookup of an absent key meets an empty slot soon.
    std::size_t capacity = 16;
    while (capacity < 2 * size_) capacity *= 2;
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    for (const TokenCounts& token : dictionary.tokens) {
        std::size_t slot = token.hash & mask_;
        while (slots_[slot].check != 0) slot = (slot + 1) & mask_;
        slots_[slot] = {CheckOf(token.hash), static_cast<float>(TokenProbability(token.ham, token.spam, dictionary))};
    }
}

}  // namespace tarn::rules
