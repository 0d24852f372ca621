#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/dictionary.h"

namespace tarn::rules {

// Robinson's f(w) of a token seen in `ham` of the dictionary's ham messages and `spam` of its
// spam messages (see ClassifierParameters).
double TokenProbability(std::uint32_t ham, std::uint32_t spam, const Dictionary& dictionary) noexcept;

// The spam probability of every token of a dictionary, by key, in an open-addressing table
// built once: a lookup reads one or two slots and allocates nothing. A slot keeps 8 bytes, so
// that the table of a dictionary stays in the processor's caches: the key's low bits choose
// the slot and its high 32 bits are kept to tell keys apart there. A token missing from the
// dictionary may thus be taken for one that is in it when both keys agree in those 48 bits
// or more: about once in 10^9 lookups, once in several million messages.
class TokenTable {
public:
    TokenTable() = default;
    explicit TokenTable(const Dictionary& dictionary);

    // The token's probability, or a negative value when the dictionary does not hold it.
    float Probability(std::uint64_t hash) const noexcept {
        const std::uint32_t check = CheckOf(hash);
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            const Slot& entry = slots_[slot];
            if (entry.check == check) return entry.probability;
            if (entry.check == 0) return -1.0f;
        }
    }
    std::size_t Size() const noexcept { return size_; }
    std::size_t MemoryBytes() const noexcept { return slots_.capacity() * sizeof(Slot); }

private:
    struct Slot {
        std::uint32_t check = 0;  // 0: empty
        float probability = 0.0f;
    };
    static std::uint32_t CheckOf(std::uint64_t hash) noexcept {
        const auto check = static_cast<std::uint32_t>(hash >> 32);
        return check != 0 ? check : 1;
    }
    // Never empty: a table without tokens still has a free slot for lookups to stop at.
    std::vector<Slot> slots_ = std::vector<Slot>(1);
    std::size_t mask_ = 0;
    std::size_t size_ = 0;
};

}  // namespace tarn::rules
