#include "rules/clue_collector.h"

#include <cmath>
#include <cstring>

#include "rules/token_hash.h"

namespace tarn::rules {

ClueCollector::ClueCollector(const TokenTable& table, double min_strength)
    : table_(table),
      min_strength_(static_cast<float>(min_strength)),
      seen_(2 * MaxCluesPerText, 0),
      used_(MaxCluesPerText, 0),
      clues_(MaxCluesPerText),
      text_(MaxCluesPerText * MaxTokenLength) {}

void ClueCollector::Reset() noexcept {
    for (std::size_t i = 0; i < clue_count_; ++i) seen_[used_[i]] = 0;
    clue_count_ = 0;
    text_length_ = 0;
}

void ClueCollector::Add(std::string_view token) {
    if (clue_count_ == MaxCluesPerText) return;
    const std::uint64_t hash = TokenHash(token);
    const float probability = table_.Probability(hash);
    if (probability < 0.0f || std::fabs(probability - 0.5f) < min_strength_) return;

    // The first time this clue comes: it goes into the set of the text's clues.
    const std::size_t mask = seen_.size() - 1;
    std::size_t slot = hash & mask;
    for (; seen_[slot] != 0; slot = (slot + 1) & mask) {
        if (seen_[slot] == hash) return;
    }
    seen_[slot] = hash;
    used_[clue_count_] = static_cast<std::uint32_t>(slot);
    const std::string_view shown = token.substr(0, MaxTokenLength);  // what the text store has room for
    std::memcpy(text_.data() + text_length_, shown.data(), shown.size());
    clues_[clue_count_++] = {probability, hash, static_cast<std::uint32_t>(text_length_),
                             static_cast<std::uint32_t>(shown.size())};
    text_length_ += shown.size();
}

}  // namespace tarn::rules
