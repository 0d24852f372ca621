#include <gtest/gtest.h>

#include "host/sim/name_compare.h"

namespace tarn::host::sim {
namespace {

TEST(NamesEqual, IgnoresLetterCaseInEuropeanAlphabets) {
    EXPECT_TRUE(NamesEqual(u"Quarantine", u"QUARANTINE"));
    EXPECT_TRUE(NamesEqual(u"\u00C0\u00C9\u00D6\u00DE", u"\u00E0\u00E9\u00F6\u00FE"));              // ÀÉÖÞ
    EXPECT_TRUE(NamesEqual(u"\u0178", u"\u00FF"));                                                  // Ÿ ÿ
    EXPECT_TRUE(NamesEqual(u"\u0141\u00F3d\u017A", u"\u0142\u00D3D\u0179"));                        // Łódź
    EXPECT_TRUE(NamesEqual(u"\u0160\u0158", u"\u0161\u0159"));                                      // ŠŘ
    EXPECT_TRUE(NamesEqual(u"\u0391\u03A9", u"\u03B1\u03C9"));                                      // ΑΩ
    EXPECT_TRUE(NamesEqual(u"\u0421\u043F\u0430\u043C\u0401", u"\u0441\u041F\u0410\u041C\u0451"));  // Спам Ё
}

TEST(NamesEqual, KeepsDifferentCharactersApart) {
    EXPECT_FALSE(NamesEqual(u"Spam", u"Spam "));
    EXPECT_FALSE(NamesEqual(u"e", u"\u00E9"));
    EXPECT_FALSE(NamesEqual(u"\u00D7", u"\u00F7"));  // multiplication and division signs
    EXPECT_FALSE(NamesEqual(u"\u0130", u"\u0131"));  // dotted capital I, dotless small i
    EXPECT_FALSE(NamesEqual(u"[", u"{"));
    EXPECT_FALSE(NamesEqual(u"\u0141", u"\u0143"));  // Ł, Ń: neighbouring pairs stay apart
}

}  // namespace
}  // namespace tarn::host::sim
