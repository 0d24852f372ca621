#include <gtest/gtest.h>

#include <string>

#include "screening/english_score.h"

namespace tarn::screening {
namespace {

TEST(EnglishScore, IsZeroUnlessEnglishIsBlockedOrWhenTheTextIsEmpty) {
    EXPECT_EQ(EnglishScore("the quick brown fox is here", false), 0.0);
    EXPECT_EQ(EnglishScore("", true), 0.0);
}

TEST(EnglishScore, CountsEveryPatternMatchAgainstTheTextLength) {
    // One hit: " the " (the line "the" searched as whitespace, the, whitespace).
    EXPECT_DOUBLE_EQ(EnglishScore("zzz the zzz", true), 2000.0 / 11);
    // Matches do not overlap: after " the " the second "the" has lost its leading blank.
    EXPECT_DOUBLE_EQ(EnglishScore("zz the the zz", true), 2000.0 / 13);
    EXPECT_DOUBLE_EQ(EnglishScore("zz the  the zz", true), 2 * 2000.0 / 14);
}

TEST(EnglishScore, WhitespaceAloneIsNoEnglish) {
    EXPECT_EQ(EnglishScore("zzz zzz zzz\r\nzzz\tzzz", true), 0.0);
}

TEST(EnglishScore, TheYouLineTakesYouAndItsForms) {
    EXPECT_DOUBLE_EQ(EnglishScore("zz your zz", true), 2000.0 / 10);
    EXPECT_DOUBLE_EQ(EnglishScore("zz you zz", true), 2000.0 / 9);
    EXPECT_EQ(EnglishScore("zz youth", true), 0.0);  // no whitespace after it
}

TEST(EnglishScore, ALongTextIsSearchedWholeButCountedAsTenThousandCharacters) {
    const std::string text = std::string(15000, 'z') + " the " + std::string(10, 'z');
    EXPECT_DOUBLE_EQ(EnglishScore(text, true), 2000.0 / 10000);
}

TEST(EnglishScore, SeparatesEnglishFromOtherLanguages) {
    const std::string english =
        "Hello Tom,\r\n\r\nI was looking at the figures you sent before the meeting and I think we are "
        "nearly there. The report is not finished, but most of it is done. She said that she would "
        "come along with her notes after lunch, and we can go through them together. Could you "
        "bring the printed version? I'm working from home tomorrow, so we should meet on Friday.\r\n";
    EXPECT_GT(EnglishScore(english, true), 20.0);
    const std::string russian =
        "\xC4\xEE\xE1\xF0\xFB\xE9 \xE4\xE5\xED\xFC! \xCF\xF0\xE8\xE3\xEB\xE0\xF8\xE0\xE5\xEC \xE2\xE0\xF1 "
        "\xED\xE0 \xF1\xE5\xEC\xE8\xED\xE0\xF0 \xEF\xEE \xEF\xF0\xEE\xE4\xE0\xE6\xE0\xEC \xE2 \xEC\xE0\xE5. "
        "\xD1\xF2\xEE\xE8\xEC\xEE\xF1\xF2\xFC \xF3\xF7\xE0\xF1\xF2\xE8\xFF 20 000 \xF0\xF3\xE1\xEB\xE5\xE9.\r\n";
    EXPECT_LT(EnglishScore(russian, true), 5.0);
    const std::string chinese_in_code_page = "??? ???? ?? ?????? ??? ???? 0755-12345678 ???? ?? ????\r\n";
    EXPECT_LT(EnglishScore(chinese_in_code_page, true), 5.0);
}

}  // namespace
}  // namespace tarn::screening
