#include "tools/import/html_entities.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "platform/codepage.h"
#include "tools/import/charset_decoder.h"

namespace tarn::tools::import {

namespace {

// U+00A0 to U+00FF in order; every one may also be written without its ';'.
constexpr std::array<std::string_view, 96> Latin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",
    "uml",    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",
    "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",  "para",   "middot",
    "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct NamedCharacter {
    std::string_view name;
    char32_t code;
    bool semicolon_optional;
};

// The names outside Latin-1 that mail actually uses: markup, typography, currency, arrows.
constexpr auto OtherNames = std::to_array<NamedCharacter>({
    {"amp", U'&', true},        {"lt", U'<', true},         {"gt", U'>', true},
    {"quot", U'"', true},       {"apos", U'\'', false},     {"OElig", 0x152, false},
    {"oelig", 0x153, false},    {"Scaron", 0x160, false},   {"scaron", 0x161, false},
    {"Yuml", 0x178, false},     {"fnof", 0x192, false},     {"circ", 0x2C6, false},
    {"tilde", 0x2DC, false},    {"ensp", 0x2002, false},    {"emsp", 0x2003, false},
    {"thinsp", 0x2009, false},  {"zwnj", 0x200C, false},    {"zwj", 0x200D, false},
    {"lrm", 0x200E, false},     {"rlm", 0x200F, false},     {"ndash", 0x2013, false},
    {"mdash", 0x2014, false},   {"lsquo", 0x2018, false},   {"rsquo", 0x2019, false},
    {"sbquo", 0x201A, false},   {"ldquo", 0x201C, false},   {"rdquo", 0x201D, false},
    {"bdquo", 0x201E, false},   {"dagger", 0x2020, false},  {"Dagger", 0x2021, false},
    {"bull", 0x2022, false},    {"hellip", 0x2026, false},  {"permil", 0x2030, false},
    {"prime", 0x2032, false},   {"lsaquo", 0x2039, false},  {"rsaquo", 0x203A, false},
    {"euro", 0x20AC, false},    {"trade", 0x2122, false},   {"larr", 0x2190, false},
    {"uarr", 0x2191, false},    {"rarr", 0x2192, false},    {"darr", 0x2193, false},
    {"harr", 0x2194, false},    {"minus", 0x2212, false},   {"le", 0x2264, false},
    {"ge", 0x2265, false},      {"ne", 0x2260, false},      {"hearts", 0x2665, false},
    {"diams", 0x2666, false},
});

std::optional<NamedCharacter> FindName(std::string_view name) {
    const auto latin1 = std::find(Latin1Names.begin(), Latin1Names.end(), name);
    if (latin1 != Latin1Names.end()) {
        return NamedCharacter{name, static_cast<char32_t>(0xA0 + (latin1 - Latin1Names.begin())), true};
    }
    const auto other = std::find_if(OtherNames.begin(), OtherNames.end(),
                                    [name](const NamedCharacter& named) { return named.name == name; });
    if (other != OtherNames.end()) return *other;
    return std::nullopt;
}

std::string Utf8Of(char32_t code) {
    if (code >= 0x80 && code <= 0x9F) return DecodeToUtf8(std::string(1, static_cast<char>(code)), "windows-1252");
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
    std::u16string units;
    if (code < 0x10000) {
        units.push_back(static_cast<char16_t>(code));
    } else {
        units.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        units.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
    return platform::ToUtf8(units);
}

bool IsAlnum(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; }

std::optional<CharacterReference> ReadNumeric(std::string_view html, std::size_t at) {
    std::size_t pos = at + 2;  // past "&#"
    const bool hex = pos < html.size() && (html[pos] == 'x' || html[pos] == 'X');
    if (hex) ++pos;
    const std::size_t digits_start = pos;
    std::uint32_t code = 0;
    for (; pos < html.size(); ++pos) {
        const auto ch = static_cast<unsigned char>(html[pos]);
        const bool digit = hex ? std::isxdigit(ch) != 0 : std::isdigit(ch) != 0;
        if (!digit) break;
        const std::uint32_t value = std::isdigit(ch) ? ch - '0' : (std::tolower(ch) - 'a' + 10);
        code = std::min<std::uint32_t>(code * (hex ? 16 : 10) + value, 0x110000);
    }
    if (pos == digits_start) return std::nullopt;
    if (pos < html.size() && html[pos] == ';') ++pos;
    return CharacterReference{Utf8Of(code), pos - at};
}

std::optional<CharacterReference> ReadNamed(std::string_view html, std::size_t at, ReferenceContext context) {
    std::size_t end = at + 1;
    while (end < html.size() && IsAlnum(html[end])) ++end;
    const std::string_view run = html.substr(at + 1, end - at - 1);
    if (end < html.size() && html[end] == ';') {
        if (const auto named = FindName(run)) return CharacterReference{Utf8Of(named->code), run.size() + 2};
    }
    // Without ';': the longest name that may go without one and that the run starts with.
    for (std::size_t length = run.size(); length > 0; --length) {
        const auto named = FindName(run.substr(0, length));
        if (!named || !named->semicolon_optional) continue;
        const std::size_t next = at + 1 + length;
        const bool runs_on = next < html.size() && (IsAlnum(html[next]) || html[next] == '=');
        if (context == ReferenceContext::Attribute && runs_on) return std::nullopt;
        return CharacterReference{Utf8Of(named->code), length + 1};
    }
    return std::nullopt;
}

}  // namespace

std::optional<CharacterReference> ReadCharacterReference(std::string_view html, std::size_t at,
                                                         ReferenceContext context) {
    if (at + 1 >= html.size() || html[at] != '&') return std::nullopt;
    return html[at + 1] == '#' ? ReadNumeric(html, at) : ReadNamed(html, at, context);
}

}  // namespace tarn::tools::import
