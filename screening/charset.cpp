#include "screening/charset.h"

#include <algorithm>

#include "screening/text_tools.h"

namespace tarn::screening {

namespace {

// The parameter itself; the class holds the hyphen of names such as iso-8859-5 and koi8-r.
constexpr std::string_view ParameterPattern = R"((?i)charset=( )?(")?[\w|\d|\u\-]{2,20}(")?(\s|;))";
// The charset of an encoded word opening the Subject ("Subject: =?name?B?...").
constexpr std::string_view SubjectPattern = R"((?i)Subject:( )?=\?[\w|\d|\u]{2,20}( )?\w)";
constexpr std::string_view ShortSubjectPattern = R"((?i)Subject:( )?=\?[\w|\d|\u]{2,20}\?\w\?)";

std::string_view TrimBlanksAndSemicolon(std::string_view text) {
    constexpr std::string_view Ignored = " \t\r\n\f;";
    const auto first = text.find_first_not_of(Ignored);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(Ignored) - first + 1);
}

// Where the name follows "t=" (the end of "charset="), in any letter case.
std::size_t AfterParameterName(std::string_view match) {
    for (std::size_t i = 0; i + 1 < match.size(); ++i) {
        if ((match[i] == 't' || match[i] == 'T') && match[i + 1] == '=') return i + 2;
    }
    return std::string_view::npos;
}

}  // namespace

std::string ExtractCharset(std::string_view transport_headers) {
    std::string match = FirstMatch(transport_headers, ParameterPattern);
    if (match.empty()) match = FirstMatch(transport_headers, SubjectPattern);
    if (match.empty()) match = FirstMatch(transport_headers, ShortSubjectPattern);
    if (match.empty()) return {};

    std::string_view name = match;
    if (const auto start = AfterParameterName(name); start != std::string_view::npos) {
        name = name.substr(start);
    } else {
        // "=?name?" of an encoded word: the text between the first two question marks.
        const auto first = name.find('?');
        const auto second = first == std::string_view::npos ? first : name.find('?', first + 1);
        if (second == std::string_view::npos) return {};
        name = name.substr(first + 1, second - first - 1);
    }
    std::string charset(name);
    std::erase(charset, '"');
    return std::string(TrimBlanksAndSemicolon(charset));
}

}  // namespace tarn::screening
