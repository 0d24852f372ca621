// The one-pass count of the simple patterns against the regular-expression engine's count of
// the same patterns, one by one.
#include <gtest/gtest.h>

#include <random>

#include "screening/english_score.h"
#include "screening/literal_pattern_set.h"
#include "screening/text_pattern.h"
#include "screening/text_tools.h"

namespace tarn::screening {
namespace {

std::size_t EngineCount(std::string_view expression, std::string_view text) {
    return TextPattern::Get("(?i)" + std::string(expression)).CountMatches(text);
}

TEST(LiteralPatternSet, TakesOnlySimplePatterns) {
    LiteralPatternSet set;
    EXPECT_TRUE(set.TryAdd(R"(\sthe\s)"));
    EXPECT_TRUE(set.TryAdd(R"(\w'm\s)"));
    EXPECT_TRUE(set.TryAdd(R"(\syou\w*\s)"));
    EXPECT_FALSE(set.TryAdd(R"(\syou\w|\s)"));   // alternation
    EXPECT_FALSE(set.TryAdd(R"(\s\w\s)"));       // no literal to anchor on
    EXPECT_FALSE(set.TryAdd(R"(\w*\sabc)"));     // a repetition before the anchor
    EXPECT_FALSE(set.TryAdd(R"(\syou\w*x)"));    // a repetition that would give back
    EXPECT_FALSE(set.TryAdd(R"(\dabc)"));
    EXPECT_FALSE(set.TryAdd(R"([ab]c)"));
    EXPECT_EQ(set.Size(), 3u);
}

TEST(LiteralPatternSet, CountsEachPatternsMatchesWithoutOverlap) {
    LiteralPatternSet set;
    set.TryAdd(R"(\sthe\s)");
    EXPECT_EQ(set.CountMatches("zz the the  the zz"), 2u);
    set.TryAdd(R"(\she\s)");  // an anchor inside another's
    EXPECT_EQ(set.CountMatches("zz the he zz"), 2u);
    EXPECT_EQ(set.CountMatches(""), 0u);
}

// Every line of the English pattern list, on random texts made to match often: the same count
// as the engine, pattern by pattern and all together.
TEST(LiteralPatternSet, CountsExactlyAsTheEngineOnTheEnglishPatterns) {
    std::vector<std::string> expressions;
    for (const auto& line : LoadResourceLines("QNG")) expressions.push_back(EnglishExpression(line));
    LiteralPatternSet all;
    for (const auto& expression : expressions) ASSERT_TRUE(all.TryAdd(expression)) << expression;

    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"the", "THE", "a", "I", "you", "Your", "'m", "n't", "'ve", "here", "where",
                                             "ing", "ed", "do", "go", "he", "she", "in", "On", "to", "anti",
                                             " ", " ", "  ", "\t", "\r\n", "\v", "\xA0", "_", "9", "x", "\xE9", "."};
    std::size_t total_hits = 0;
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const std::size_t count = random() % 80;
        for (std::size_t i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
        std::size_t engine_total = 0;
        for (const auto& expression : expressions) {
            LiteralPatternSet one;
            one.TryAdd(expression);
            const std::size_t expected = EngineCount(expression, text);
            ASSERT_EQ(one.CountMatches(text), expected) << expression << " in \"" << text << "\"";
            engine_total += expected;
        }
        ASSERT_EQ(all.CountMatches(text), engine_total) << text;
        total_hits += engine_total;
    }
    EXPECT_GT(total_hits, 300u);  // the texts hold many matches, not only misses
}

}  // namespace
}  // namespace tarn::screening
