// A locale-aware comparison over the Windows-1252 letters, in the manner of the Western
// European Windows locales: case never matters; letters sort alphabetically with an accented
// letter next to its base letter (e, é, è... before f); symbols before digits before letters;
// hyphens and apostrophes are passed over. Only texts that are equal after case folding
// compare equal.
#include <cstdint>
#include <string_view>

#include "platform/text_compare.h"

namespace tarn::platform {

namespace {

// Upper to lower case in Windows-1252.
unsigned char FoldCase(unsigned char byte) {
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) return byte + 0x20;
    switch (byte) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Œ
        case 0x8E: return 0x9E;  // Ž
        case 0x9F: return 0xFF;  // Ÿ
        default: return byte;
    }
}

// The base letter of a folded letter beyond ASCII, or 0 for a byte that is no letter.
unsigned char BaseLetter(unsigned char folded) {
    // à to ÿ; ÷ is no letter.
    static constexpr std::string_view AccentedBases("aaaaaaaceeeeiiiidnooooo\0ouuuuyty", 32);
    if (folded >= 0xE0) return static_cast<unsigned char>(AccentedBases[folded - 0xE0]);
    switch (folded) {
        case 0x83: return 'f';  // ƒ
        case 0x9A: return 's';  // š
        case 0x9C: return 'o';  // œ
        case 0x9E: return 'z';  // ž
        case 0xAA: return 'a';  // ª
        case 0xBA: return 'o';  // º
        case 0xDF: return 's';  // ß
        default: return 0;
    }
}

// Primary weight: symbols (by code) < digits < letters (by base letter).
std::uint16_t PrimaryWeight(unsigned char folded) {
    if (folded >= 'a' && folded <= 'z') return static_cast<std::uint16_t>(0x300 + (folded - 'a') * 2);
    if (const unsigned char base = BaseLetter(folded)) return static_cast<std::uint16_t>(0x300 + (base - 'a') * 2);
    if (folded >= '0' && folded <= '9') return static_cast<std::uint16_t>(0x200 + folded);
    return folded;
}

// Hyphens and apostrophes do not count towards the order of words ("co-op" sorts with
// "coop"), only towards telling such words apart.
bool IsIgnorable(char ch) {
    return ch == '-' || ch == '\'';
}

// Compares the texts character by character on one level of weights.
template <class Weight>
int CompareLevel(std::string_view left, std::string_view right, bool skip_ignorable, Weight weight) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;; ++i, ++j) {
        if (skip_ignorable) {
            while (i < left.size() && IsIgnorable(left[i])) ++i;
            while (j < right.size() && IsIgnorable(right[j])) ++j;
        }
        const bool left_ended = i == left.size();
        const bool right_ended = j == right.size();
        if (left_ended || right_ended) return left_ended == right_ended ? 0 : (left_ended ? -1 : 1);
        const int difference = weight(FoldCase(static_cast<unsigned char>(left[i]))) -
                               weight(FoldCase(static_cast<unsigned char>(right[j])));
        if (difference != 0) return difference;
    }
}

int Folded(unsigned char folded) {
    return folded;
}

}  // namespace

// Three levels, as a linguistic sort has them: letters by their base letter, then accents,
// then the hyphens and apostrophes.
int CompareTextIgnoreCase(std::string_view left, std::string_view right) {
    if (const int primary = CompareLevel(left, right, true, PrimaryWeight)) return primary;
    if (const int accents = CompareLevel(left, right, true, Folded)) return accents;
    return CompareLevel(left, right, false, Folded);
}

}  // namespace tarn::platform
