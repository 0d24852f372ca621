#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/dictionary.h"
#include "rules/key_map.h"

namespace tarn::rules {

// Robinson's f(w) of a token seen in `ham` of `ham_messages` ham messages and in `spam` of
// `spam_messages` spam messages (see ClassifierParameters).
double TokenProbability(std::uint32_t ham, std::uint32_t spam, std::uint32_t ham_messages,
                        std::uint32_t spam_messages, const ClassifierParameters& parameters) noexcept;
inline double TokenProbability(std::uint32_t ham, std::uint32_t spam, const Dictionary& dictionary) noexcept {
    return TokenProbability(ham, spam, dictionary.ham_messages, dictionary.spam_messages, dictionary.parameters);
}

// The ham and spam counts of every token the engine knows, by key, with the message counts
// they are shares of. A token's probability is worked out from the counts at each lookup, so
// that a lesson (a message counted in or taken out again) rates every later text at once.
class TokenTable {
public:
    TokenTable() = default;
    explicit TokenTable(const Dictionary& dictionary);

    // The token's probability, or a negative value when no message held it.
    float Probability(std::uint64_t hash) const noexcept {
        const Counts* counts = counts_.find(hash);
        return counts == nullptr ? -1.0f : ProbabilityOf(*counts);
    }

    // `step` messages of the kind more (or, negative, fewer), and each of their different
    // tokens with them. Counts never go below 0.
    void CountMessage(bool spam, int step) noexcept;
    void CountToken(std::uint64_t hash, bool spam, int step);
    // Counts added all at once, as a user file brings them.
    void AddCounts(std::uint32_t ham_messages, std::uint32_t spam_messages);
    void AddCounts(std::uint64_t hash, std::uint32_t ham, std::uint32_t spam);
    // Room for this many tokens more without growing on the way.
    void Reserve(std::size_t more) { counts_.reserve(counts_.size() + more); }

    std::uint32_t HamMessages() const noexcept { return ham_messages_; }
    std::uint32_t SpamMessages() const noexcept { return spam_messages_; }
    std::size_t Size() const noexcept { return counts_.size(); }
    std::size_t MemoryBytes() const noexcept { return counts_.memory_bytes(); }

private:
    struct Counts {
        std::uint32_t ham = 0;
        std::uint32_t spam = 0;
    };
    float ProbabilityOf(const Counts& counts) const noexcept {
        if (counts.ham == 0 && counts.spam == 0) return -1.0f;  // every message that held it was unlearnt
        return static_cast<float>(TokenProbability(counts.ham, counts.spam, ham_messages_, spam_messages_, parameters_));
    }

    ClassifierParameters parameters_;
    std::uint32_t ham_messages_ = 0;
    std::uint32_t spam_messages_ = 0;
    KeyMap<Counts> counts_;  // by key; no token has the key 0
};

}  // namespace tarn::rules
