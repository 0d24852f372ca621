#include "rules/list_footer.h"

#include "rules/text_match.h"

namespace tarn::rules {

namespace {

// How far from the end of the body the link to the list's page may lie, and how far above
// the link its separator line.
constexpr std::size_t FooterReach = 1200;
constexpr std::size_t SeparatorReach = 600;
constexpr std::size_t MinRuleLength = 10;

// The last "listinfo" in the end of the body, in any case; npos when none.
std::size_t LastListLink(std::string_view body) noexcept {
    const std::size_t from = body.size() > FooterReach ? body.size() - FooterReach : 0;
    std::size_t last = std::string_view::npos;
    for (std::size_t at = FindNoCase(body, from, "listinfo"); at != std::string_view::npos;
         at = FindNoCase(body, at + 1, "listinfo")) {
        last = at;
    }
    return last;
}

// "-- " (a signature's separator, which lists use too) or a rule of one character.
bool IsSeparatorLine(std::string_view line) noexcept {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (line == "--") return true;
    if (line.size() < MinRuleLength) return false;
    const char rule = line.front();
    if (rule != '_' && rule != '-' && rule != '=') return false;
    return line.find_first_not_of(rule) == std::string_view::npos;
}

std::size_t LineStart(std::string_view text, std::size_t position) noexcept {
    const std::size_t newline = position == 0 ? std::string_view::npos : text.rfind('\n', position - 1);
    return newline == std::string_view::npos ? 0 : newline + 1;
}

}  // namespace

std::size_t ListFooterStart(std::string_view body) noexcept {
    const std::size_t link = LastListLink(body);
    if (link == std::string_view::npos) return std::string_view::npos;
    const std::size_t link_line = LineStart(body, link);
    const std::size_t limit = link_line > SeparatorReach ? link_line - SeparatorReach : 0;
    for (std::size_t start = link_line; start > limit;) {
        start = LineStart(body, start - 1);
        const std::size_t end = body.find('\n', start);
        if (IsSeparatorLine(body.substr(start, end - start))) return start;
    }
    return link_line;
}

}  // namespace tarn::rules
