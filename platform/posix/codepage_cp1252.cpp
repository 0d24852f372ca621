// Windows-1252, the ANSI code page that the Linux build stands in for.
#include <algorithm>
#include <array>

#include "platform/codepage.h"

namespace tarn::platform {

namespace {

// 0x80 to 0x9F; the five bytes Windows leaves undefined map to the C1 control of the same
// value, as MultiByteToWideChar does.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t WidenByte(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? HighControls[byte - 0x80] : char16_t{byte};
}

char NarrowChar(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<char>(ch);
    const auto* found = std::find(HighControls.begin(), HighControls.end(), ch);
    if (found != HighControls.end()) return static_cast<char>(0x80 + (found - HighControls.begin()));
    return '?';
}

}  // namespace

unsigned AnsiCodePage() { return 1252; }

std::u16string Widen(std::string_view ansi) {
    std::u16string out(ansi.size(), u'\0');
    std::transform(ansi.begin(), ansi.end(), out.begin(),
                   [](char byte) { return WidenByte(static_cast<unsigned char>(byte)); });
    return out;
}

std::string Narrow(std::u16string_view text) {
    // Each UTF-16 unit on its own, as Windows does: a surrogate pair becomes "??".
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(), NarrowChar);
    return out;
}

}  // namespace tarn::platform
