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

// At most half full, so that a lookup of an absent key meets an empty slot soon.
std::size_t CapacityFor(std::size_t tokens) {
    std::size_t capacity = 16;
    while (capacity < 2 * tokens) capacity *= 2;
    return capacity;
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
      spam_messages_(dictionary.spam_messages),
      slots_(CapacityFor(dictionary.tokens.size())),
      mask_(slots_.size() - 1),
      size_(dictionary.tokens.size()) {
    for (const TokenCounts& token : dictionary.tokens) {
        std::size_t slot = token.hash & mask_;
        while (slots_[slot].hash != 0) slot = (slot + 1) & mask_;
        slots_[slot] = {token.hash, token.ham, token.spam};
    }
}

void TokenTable::CountMessage(bool spam, int step) noexcept { Step(spam ? spam_messages_ : ham_messages_, step); }

void TokenTable::CountToken(std::uint64_t hash, bool spam, int step) {
    if (hash == 0) return;
    Slot& entry = SlotFor(hash);
    Step(spam ? entry.spam : entry.ham, step);
}

void TokenTable::AddCounts(std::uint32_t ham_messages, std::uint32_t spam_messages) {
    ham_messages_ += ham_messages;
    spam_messages_ += spam_messages;
}

void TokenTable::AddCounts(std::uint64_t hash, std::uint32_t ham, std::uint32_t spam) {
    if (hash == 0) return;
    Slot& entry = SlotFor(hash);
    entry.ham += ham;
    entry.spam += spam;
}

void TokenTable::Reserve(std::size_t more) {
    if (2 * (size_ + more) > slots_.size()) Grow(size_ + more);
}

// The token's slot, made when the table does not hold it yet.
TokenTable::Slot& TokenTable::SlotFor(std::uint64_t hash) {
    if (2 * (size_ + 1) > slots_.size()) Grow(size_ + 1);
    std::size_t slot = hash & mask_;
    for (; slots_[slot].hash != 0; slot = (slot + 1) & mask_) {
        if (slots_[slot].hash == hash) return slots_[slot];
    }
    ++size_;
    slots_[slot].hash = hash;
    return slots_[slot];
}

void TokenTable::Grow(std::size_t tokens) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(CapacityFor(tokens), Slot{});
    mask_ = slots_.size() - 1;
    for (const Slot& entry : old) {
        if (entry.hash == 0) continue;
        std::size_t slot = entry.hash & mask_;
        while (slots_[slot].hash != 0) slot = (slot + 1) & mask_;
        slots_[slot] = entry;
    }
}

}  // namespace tarn::rules
