#include "host/sim/name_compare.h"

#include <algorithm>

namespace tarn::host::sim {

namespace {

bool Between(char16_t c, char16_t first, char16_t last) noexcept { return c >= first && c <= last; }

char16_t Shifted(char16_t c, int offset) noexcept { return static_cast<char16_t>(c + offset); }

// Latin Extended-A pairs each capital with the small letter right after it; the pairs start on
// even code points in some runs and on odd ones in others. U+0130 and U+0131 (dotted and
// dotless i) do not pair with each other and stay as they are.
char16_t LowerLatinExtendedA(char16_t c) noexcept {
    const bool even = c % 2 == 0;
    if (Between(c, 0x0100, 0x012F) || Between(c, 0x0132, 0x0137) || Between(c, 0x014A, 0x0177))
        return even ? Shifted(c, 1) : c;
    if (Between(c, 0x0139, 0x0148) || Between(c, 0x0179, 0x017E)) return even ? c : Shifted(c, 1);
    if (c == 0x0178) return 0x00FF;  // Y with diaeresis: its small letter is in Latin-1
    return c;
}

char16_t Lower(char16_t c) noexcept {
    if (Between(c, u'A', u'Z')) return Shifted(c, 32);
    if (Between(c, 0x00C0, 0x00DE) && c != 0x00D7) return Shifted(c, 32);  // U+00D7 is the sign
    if (Between(c, 0x0100, 0x017F)) return LowerLatinExtendedA(c);
    if (Between(c, 0x0391, 0x03A9) && c != 0x03A2) return Shifted(c, 32);  // U+03A2 is unassigned
    if (Between(c, 0x0410, 0x042F)) return Shifted(c, 32);
    if (Between(c, 0x0400, 0x040F)) return Shifted(c, 80);
    return c;
}

}  // namespace

bool NamesEqual(std::u16string_view a, std::u16string_view b) noexcept {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}

}  // namespace tarn::host::sim
