#include <gtest/gtest.h>

#include "platform/text_lines.h"
#include "platform/text_compare.h"

namespace tarn::platform {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, CrLfLoneCrAndLoneLfEachEndOneLine) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));  // LF then CR: two line ends
}

TEST(SplitLines, AFinalLineEndAddsNoEmptyLineButEmptyLinesCount) {
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("\r\n\r\nb"), (Lines{"", "", "b"}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(SplitLines, ANulByteEndsTheText) {
    EXPECT_EQ(SplitLines(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
}

TEST(CompareTextIgnoreCase, EqualOnlyWhenTextsDifferInCaseAlone) {
    EXPECT_EQ(CompareTextIgnoreCase("Quarantine", "QUARANTINE"), 0);
    EXPECT_EQ(CompareTextIgnoreCase("\xC9T\xC9", "\xE9t\xE9"), 0);  // ÉTÉ / été
    EXPECT_NE(CompareTextIgnoreCase("ete", "\xE9t\xE9"), 0);
    EXPECT_NE(CompareTextIgnoreCase("abc", "abc "), 0);
}

TEST(CompareTextIgnoreCase, OrdersAlphabeticallyWithShorterPrefixesFirst) {
    EXPECT_LT(CompareTextIgnoreCase("apple", "Banana"), 0);
    EXPECT_GT(CompareTextIgnoreCase("b", "A"), 0);
    EXPECT_LT(CompareTextIgnoreCase("abc", "abcd"), 0);
    EXPECT_LT(CompareTextIgnoreCase("", "a"), 0);
    EXPECT_LT(CompareTextIgnoreCase("ete", "\xE9t\xE9"), 0);
    EXPECT_LT(CompareTextIgnoreCase("\xE9t\xE9", "f"), 0);
    EXPECT_LT(CompareTextIgnoreCase("9", "a"), 0);
}

TEST(CompareTextIgnoreCase, HyphensAndApostrophesOrderOnlyWordsThatAreOtherwiseEqual) {
    EXPECT_LT(CompareTextIgnoreCase("-x-", "y"), 0);
    EXPECT_GT(CompareTextIgnoreCase("-x-", "w"), 0);
    EXPECT_NE(CompareTextIgnoreCase("co-op", "coop"), 0);
    EXPECT_EQ(CompareTextIgnoreCase("CO-OP", "co-op"), 0);
}

}  // namespace
}  // namespace tarn::platform
