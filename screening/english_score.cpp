#include "screening/english_score.h"

#include <algorithm>
#include <string>
#include <vector>

#include "screening/literal_pattern_set.h"
#include "screening/text_pattern.h"
#include "screening/text_tools.h"

namespace tarn::screening {

namespace {

constexpr std::size_t LengthCap = 10000;

// The English pattern list, read once per process: the simple patterns (all of the shipped
// list) counted together in one pass, any other through the regular-expression engine.
struct EnglishPatterns {
    LiteralPatternSet simple;
    std::vector<const TextPattern*> others;

    EnglishPatterns() {
        for (const auto& line : LoadResourceLines("QNG")) {
            const std::string expression = EnglishExpression(line);
            if (!simple.TryAdd(expression)) others.push_back(&TextPattern::Get("(?i)" + expression));
        }
    }

    std::size_t Hits(std::string_view text) const {
        std::size_t hits = simple.CountMatches(text);
        for (const TextPattern* pattern : others) hits += pattern->CountMatches(text);
        return hits;
    }
};

}  // namespace

std::string EnglishExpression(std::string_view line) {
    std::string expression = line.starts_with('\\') ? std::string(line) : "\\s" + std::string(line);
    if (expression.size() < 2 || expression[expression.size() - 2] != '\\') expression += "\\s";
    return expression;
}

double EnglishScore(std::string_view screening_text, bool block_english) {
    if (!block_english) return 0.0;
    static const EnglishPatterns patterns;
    const std::size_t length = std::min(screening_text.size(), LengthCap);
    if (length == 0) return 0.0;
    return 2000.0 * static_cast<double>(patterns.Hits(screening_text)) / static_cast<double>(length);
}

}  // namespace tarn::screening
