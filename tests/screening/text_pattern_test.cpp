#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screening/text_pattern.h"

namespace tarn::screening {
namespace {

std::vector<std::string> AllMatches(std::string_view text, std::string_view pattern, std::string_view modifiers = {}) {
    std::vector<std::string> found;
    TextPattern::Get(pattern, modifiers).ForEachMatch(text, [&](const MatchSpan& match) {
        found.emplace_back(text.substr(match.begin, match.end - match.begin));
    });
    return found;
}

TEST(PatternDialect, BarAndBackslashUInsideBracketsAreLiteralCharacters) {
    EXPECT_EQ(AllMatches("big5|x-u\\z", R"([\w|\d|\u]+)"), (std::vector<std::string>{"big5|x", "u", "z"}));
    EXPECT_EQ(AllMatches("a\\u", R"([\u])"), (std::vector<std::string>{"u"}));
}

TEST(PatternDialect, TopLevelAlternationSplitsTheWholePattern) {
    // The second branch of "\syou\w|\s" is a single whitespace character.
    EXPECT_EQ(AllMatches("hi there", R"((?i)\syou\w|\s)"), (std::vector<std::string>{" "}));
    EXPECT_EQ(AllMatches(" Your x", R"((?i)\syou\w|\s)"), (std::vector<std::string>{" Your", " "}));
}

TEST(PatternDialect, WhitespaceIsExactlyBlankTabLineFeedCarriageReturnAndFormFeed) {
    for (const char* spaced : {"a b", "a\tb", "a\nb", "a\rb", "a\fb"}) EXPECT_EQ(AllMatches(spaced, R"(a\sb)").size(), 1u) << spaced;
    for (const char* other : {"a\vb", "a\xA0" "b", "a\x85" "b"}) EXPECT_TRUE(AllMatches(other, R"(a\sb)").empty());
    EXPECT_EQ(AllMatches("x\vy z", R"(\S+)"), (std::vector<std::string>{"x\vy", "z"}));
}

TEST(PatternDialect, WordCharactersAndCaseFoldingAreAsciiOnly) {
    EXPECT_EQ(AllMatches("caf\xE9_9", R"(\w+)"), (std::vector<std::string>{"caf", "_9"}));
    EXPECT_TRUE(AllMatches("\xC9T\xC9", "(?i)\xE9t\xE9").empty());
    EXPECT_EQ(AllMatches("About ABOUT about", "(?i)about").size(), 3u);
    EXPECT_TRUE(AllMatches("ABOUT", "about").empty());
}

TEST(PatternDialect, QuantifiersAreGreedyAndBacktrack) {
    const std::string headers = "Content-Type: text/plain; charset=\"big5\"\r\nX: y";
    EXPECT_EQ(AllMatches(headers, R"((?i)charset=( )?(")?[\w|\d|\u]{2,20}(")?\s)"),
              (std::vector<std::string>{"charset=\"big5\"\r"}));
    // {2,20} backtracks so that the final \w still finds a character.
    EXPECT_EQ(AllMatches("Subject: =?gb2312?B?x", R"((?i)Subject:( )?=\?[\w|\d|\u]{2,20}( )?\w)"),
              (std::vector<std::string>{"Subject: =?gb2312"}));
}

TEST(PatternDialect, SuccessiveMatchesNeverOverlap) {
    EXPECT_EQ(AllMatches("aaaa", "aa").size(), 2u);
    EXPECT_EQ(AllMatches("ababa", "aba").size(), 1u);
    EXPECT_EQ(TextPattern::Get(R"(\s)").CountMatches(" a  b "), 4u);
}

TEST(PatternDialect, AnEmptyMatchAdvancesOneCharacter) {
    EXPECT_EQ(AllMatches("ab", "x*"), (std::vector<std::string>{"", "", ""}));
    // After "x" the next search starts where it ended, and finds the empty match there.
    EXPECT_EQ(AllMatches("xab", "x*"), (std::vector<std::string>{"x", "", "", ""}));
}

TEST(PatternDialect, ModifierStringSetsCaseDotAndExtendedSyntax) {
    EXPECT_EQ(AllMatches("A@B.CO", R"([a-z]+ @ [a-z]+ \. [a-z]+)", "xis-m"), (std::vector<std::string>{"A@B.CO"}));
    EXPECT_EQ(AllMatches("a\nb", "a.b", "xis-m").size(), 1u);
    EXPECT_TRUE(AllMatches("a b", "a b", "xis-m").empty());  // the blank is ignored: "ab"
    EXPECT_EQ(AllMatches("a b", R"(a\ b)", "xis-m").size(), 1u);
}

TEST(PatternDialect, TextWithNulBytesIsSearchedWhole) {
    const std::string text("a\0you b", 7);
    EXPECT_EQ(TextPattern::Get("you").CountMatches(text), 1u);
}

TEST(PatternDialect, BadPatternsAndModifiersAreReported) {
    EXPECT_THROW(TextPattern::Get("(unclosed"), PatternError);
    EXPECT_THROW(TextPattern::Get("a", "q"), PatternError);
}

TEST(PatternDialect, EachPatternIsCompiledOnce) {
    EXPECT_EQ(&TextPattern::Get("once"), &TextPattern::Get("once"));
    EXPECT_NE(&TextPattern::Get("once"), &TextPattern::Get("once", "xis-m"));
}

TEST(PatternTranslation, RewritesOnlyTheDialectsOwnForms) {
    EXPECT_EQ(TranslatePattern(R"([\w|\d|\u])", false), R"([\w|\d|u])");
    EXPECT_EQ(TranslatePattern(R"(a\sb)", false), "a[\\t\\n\\f\\r ]b");
    EXPECT_EQ(TranslatePattern(R"([\s.])", false), "[\\t\\n\\f\\r .]");
    EXPECT_EQ(TranslatePattern(R"([]\s])", false), "[]\\t\\n\\f\\r ]");
    EXPECT_EQ(TranslatePattern(R"(\. \-)", true), R"(\.\-)");
    EXPECT_EQ(TranslatePattern("[ ] x", true), "[ ]x");
}

}  // namespace
}  // namespace tarn::screening
