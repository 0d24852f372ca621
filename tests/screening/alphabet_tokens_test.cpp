#include <gtest/gtest.h>

#include "screening/alphabet_tokens.h"

namespace tarn::screening {
namespace {

using Tokens = std::vector<std::string>;

TEST(AlphabetTokens, GroupsAreTakenExactlyAsListedBlanksIncluded) {
    AlphabetTokens tokens;
    tokens.BuildAlphabetTokens("010000101000");
    EXPECT_EQ(tokens.Tokens(), (Tokens{"iso-8859-4", "28594 ", "windows-1257", "1257", "iso-8859-8-i", "38598",
                                       "windows-1255", "1255 ", "ks_c_5601-1987", "949", "euc-kr", "51949"}));
}

TEST(AlphabetTokens, NothingIsBlockedWithoutOnes) {
    AlphabetTokens tokens;
    for (const char* groups : {"000000000000", "", "2x-"}) {
        tokens.BuildAlphabetTokens(groups);
        EXPECT_TRUE(tokens.Tokens().empty()) << groups;
        EXPECT_FALSE(tokens.IsBlockedAlphabet("koi8-r"));
        EXPECT_FALSE(tokens.IsBlockedAlphabet(""));
    }
}

TEST(AlphabetTokens, PositionsBeyondTheSettingAreNotBlocked) {
    AlphabetTokens tokens;
    tokens.BuildAlphabetTokens("00011");  // Chinese and Cyrillic only
    EXPECT_TRUE(tokens.IsBlockedAlphabet("gb2312"));
    EXPECT_TRUE(tokens.IsBlockedAlphabet("koi8-r"));
    EXPECT_FALSE(tokens.IsBlockedAlphabet("windows-874"));
    EXPECT_FALSE(tokens.IsBlockedAlphabet("iso-8859-9"));
}

TEST(AlphabetTokens, ACharsetIsBlockedWhenItEqualsATokenInAnyCase) {
    AlphabetTokens tokens;
    tokens.BuildAlphabetTokens("111111111111");
    EXPECT_TRUE(tokens.IsBlockedAlphabet("KOI8-R"));
    EXPECT_TRUE(tokens.IsBlockedAlphabet("csiso2022jp"));
    EXPECT_TRUE(tokens.IsBlockedAlphabet("Big5"));
    EXPECT_FALSE(tokens.IsBlockedAlphabet("koi8"));        // whole strings only
    EXPECT_FALSE(tokens.IsBlockedAlphabet("28594"));       // the token is "28594 "
    EXPECT_FALSE(tokens.IsBlockedAlphabet("iso-8859-1"));
    EXPECT_FALSE(tokens.IsBlockedAlphabet("utf-8"));
}

TEST(AlphabetTokens, KoreanMailIsBlockedByTheNameKoreanMailersGive) {
    AlphabetTokens tokens;
    tokens.BuildAlphabetTokens("000000001000");  // Korean only
    for (const char* charset : {"ks_c_5601-1987", "KS_C_5601-1987", "euc-kr", "949"}) {
        EXPECT_TRUE(tokens.IsBlockedAlphabet(charset)) << charset;
    }
    EXPECT_FALSE(tokens.IsBlockedAlphabet("iso-2022-kr 949"));
    tokens.BuildAlphabetTokens("111111110111");  // every alphabet but Korean
    EXPECT_FALSE(tokens.IsBlockedAlphabet("ks_c_5601-1987"));
}

TEST(AlphabetTokens, RebuildingReplacesTheTokens) {
    AlphabetTokens tokens;
    tokens.BuildAlphabetTokens("111111111111");
    tokens.BuildAlphabetTokens("000000000001");
    EXPECT_EQ(tokens.Tokens(), (Tokens{"windows-1258", "1258"}));
}

}  // namespace
}  // namespace tarn::screening
