#include "screening/text_tools.h"

#include <stdexcept>

#include "platform/resources.h"
#include "platform/text_lines.h"
#include "screening/text_pattern.h"
#include "store/sorted_text_list.h"

namespace tarn::screening {

namespace {

constexpr std::string_view AddressPattern = R"([_a-zA-Z\d\-\.]+@([_a-zA-Z\d\-]+(\.[_a-zA-Z\d\-]+)+))";
constexpr std::string_view QuotedNamePattern = R"('[_a-zA-Z\d\-\.\s]+')";
constexpr std::string_view AddressModifiers = "xis-m";

// Every match of the pattern, lower-cased, `trim` characters cut from each end, joined by
// CR LF; empty when the pattern does not match.
std::string JoinMatches(std::string_view text, std::string_view pattern, std::size_t trim) {
    std::string joined;
    TextPattern::Get(pattern, AddressModifiers).ForEachMatch(text, [&](const MatchSpan& match) {
        if (!joined.empty()) joined += "\r\n";
        const std::string_view found = text.substr(match.begin, match.end - match.begin);
        joined += AsciiLower(found.substr(trim, found.size() - 2 * trim));
    });
    return joined;
}

}  // namespace

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return lower;
}

std::string FirstMatch(std::string_view text, std::string_view pattern) {
    const auto match = TextPattern::Get(pattern).Find(text);
    return match ? std::string(text.substr(match->begin, match->end - match->begin)) : std::string();
}

std::string ExtractAddresses(std::string_view text) {
    if (auto addresses = JoinMatches(text, AddressPattern, 0); !addresses.empty()) return addresses;
    if (auto names = JoinMatches(text, QuotedNamePattern, 1); !names.empty()) return names;
    return std::string(text);
}

std::string UniqueSortedLines(std::string_view text) {
    std::vector<std::string> lines = platform::SplitLines(text);
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    store::SortedTextList list;
    list.Assign(std::move(lines));
    return list.Text();
}

std::vector<std::string> LoadResourceLines(std::string_view name) {
    const auto bytes = platform::FindTextResource(name);
    if (!bytes) throw std::runtime_error("the add-in has no resource named " + std::string(name));
    return platform::SplitLines(*bytes);
}

}  // namespace tarn::screening
