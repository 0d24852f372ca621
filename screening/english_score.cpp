#include "screening/english_score.h"

#include <algorithm>
#include <string>
#include <vector>

#include "screening/text_pattern.h"
#include "screening/text_tools.h"

namespace tarn::screening {

namespace {

constexpr std::size_t LengthCap = 10000;

// A line that starts with an escape stands as it is; any other starts at whitespace. Unless
// the line ends with an escape, the match ends at whitespace.
std::string ExpressionOf(const std::string& line) {
    std::string expression = line.starts_with('\\') ? "(?i)" + line : "(?i)\\s" + line;
    if (expression[expression.size() - 2] != '\\') expression += "\\s";
    return expression;
}

// The compiled English patterns, built from the pattern list once per process.
const std::vector<const TextPattern*>& EnglishPatterns() {
    static const std::vector<const TextPattern*> patterns = [] {
        std::vector<const TextPattern*> compiled;
        for (const auto& line : LoadResourceLines("QNG")) {
            compiled.push_back(&TextPattern::Get(ExpressionOf(line)));
        }
        return compiled;
    }();
    return patterns;
}

}  // namespace

double EnglishScore(std::string_view screening_text, bool block_english) {
    if (!block_english) return 0.0;
    const auto& patterns = EnglishPatterns();
    const std::size_t length = std::min(screening_text.size(), LengthCap);
    if (length == 0) return 0.0;
    std::size_t hits = 0;
    for (const TextPattern* pattern : patterns) hits += pattern->CountMatches(screening_text);
    return 2000.0 * static_cast<double>(hits) / static_cast<double>(length);
}

}  // namespace tarn::screening
