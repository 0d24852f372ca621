#include "rules/word_rules.h"

#include "rules/char_class.h"

namespace tarn::rules {

namespace {

// Far Eastern text: two-byte characters without blanks between words.
constexpr std::size_t DoubleByteChar = 2;
constexpr std::size_t MaxPairsPerRun = 48;

bool IsDoubleByteRun(std::string_view word) noexcept {
    for (const char c : word) {
        if (!IsHighBit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// A word in capitals, of at least four letters: shouting, which spam does more than people.
bool IsShouted(std::string_view word) noexcept {
    std::size_t capitals = 0;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsAsciiLetter(byte) && !IsUpper(byte)) return false;
        capitals += IsUpper(byte) ? 1 : 0;
    }
    return capitals >= 4;
}

}  // namespace

void EmitWordToken(TokenWriter& out, std::string_view prefix, std::string_view word, std::size_t min_length) {
    while (!word.empty() && (word.front() == '-' || word.front() == '\'')) word.remove_prefix(1);
    while (!word.empty() && (word.back() == '-' || word.back() == '\'')) word.remove_suffix(1);
    if (word.size() < min_length) return;
    if (word.size() <= MaxWordLength) {
        out.Emit(prefix, IsShouted(word) ? "^" : "", word);
        return;
    }
    if (IsDoubleByteRun(word)) {
        // Pairs of characters, the way the words of such scripts are read.
        std::size_t pairs = 0;
        for (std::size_t at = 0; at + 2 * DoubleByteChar <= word.size() && pairs < MaxPairsPerRun;
             at += DoubleByteChar, ++pairs) {
            out.Emit(prefix, "cjk:", word.substr(at, 2 * DoubleByteChar));
        }
        return;
    }
    const unsigned tens = static_cast<unsigned>(word.size() / 10 * 10);
    out.Emit(prefix, "skip:", word.substr(0, 1), ":", Number{tens});
}

}  // namespace tarn::rules
