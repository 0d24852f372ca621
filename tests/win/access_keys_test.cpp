// The access keys that the windows give the captions of their buttons.
#include <gtest/gtest.h>

#include "win/views/access_keys.h"

namespace tarn::win {
namespace {

TEST(AccessKeys, EachCaptionTakesAFreeKeyPreferringTheStartsOfItsWords) {
    AccessKeys keys;
    EXPECT_EQ(keys.Mark(u"Show splash screen"), u"&Show splash screen");
    EXPECT_EQ(keys.Mark(u"Send pictures"), u"Send &pictures");
    EXPECT_EQ(keys.Mark(u"Every hour"), u"&Every hour");
    EXPECT_EQ(keys.Mark(u"Every 15 minutes"), u"Every &15 minutes");
    EXPECT_EQ(keys.Mark(u"Spend"), u"Spe&nd");  // S, p and e are taken
    EXPECT_EQ(keys.Taken(), u"SPE1N");
}

TEST(AccessKeys, KeysTakenElsewhereAreLeftWhateverTheirCase) {
    AccessKeys keys(u"hc");
    EXPECT_EQ(keys.Mark(u"Help"), u"H&elp");
    EXPECT_EQ(keys.Mark(u"close"), u"c&lose");
}

TEST(AccessKeys, AnAmpersandOfTheCaptionStaysTextAndNeverBecomesTheKey) {
    AccessKeys keys;
    EXPECT_EQ(keys.Mark(u"Q&A"), u"&Q&&A");
    EXPECT_EQ(keys.Mark(u"& more"), u"&& &more");
}

TEST(AccessKeys, ACaptionWithNoFreeLetterGetsNoKey) {
    AccessKeys keys(u"AB");
    EXPECT_EQ(keys.Mark(u"ab ba"), u"ab ba");
    EXPECT_EQ(keys.Mark(u"+"), u"+");
    EXPECT_EQ(keys.Mark(u""), u"");
    EXPECT_EQ(keys.Taken(), u"AB");
}

}  // namespace
}  // namespace tarn::win
