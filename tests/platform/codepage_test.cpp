#include <gtest/gtest.h>

#include "platform/codepage.h"

namespace tarn::platform {
namespace {

TEST(CodePage, AsciiAndLatin1RoundTrip) {
    const std::string ansi = "Caf\xE9 na\xEFve \xC5ngstr\xF6m";
    EXPECT_EQ(Widen(ansi), u"Caf\u00E9 na\u00EFve \u00C5ngstr\u00F6m");
    EXPECT_EQ(Narrow(Widen(ansi)), ansi);
}

TEST(CodePage, WindowsPunctuationBytesWidenToTheirCharacters) {
    EXPECT_EQ(Widen("\x80\x93\x94\x99"), u"\u20AC\u201C\u201D\u2122");
    EXPECT_EQ(Narrow(u"\u20AC\u201C\u201D\u2122"), "\x80\x93\x94\x99");
}

TEST(CodePage, CharactersOutsideTheCodePageNarrowToQuestionMarks) {
    EXPECT_EQ(Narrow(u"\u4E2D\u6587 \u0416"), "?? ?");
    EXPECT_EQ(Narrow(u"a\U0001F600b"), "a??b");  // each half of the pair, as Windows does
}

TEST(CodePage, EmbeddedNulsSurvive) {
    const std::string ansi("a\0b", 3);
    EXPECT_EQ(Narrow(Widen(ansi)), ansi);
}

TEST(Utf8, DecodesMultiByteSequencesAndSurrogatePairs) {
    EXPECT_EQ(FromUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), u"\u00E9\u20AC\U0001F600");
    EXPECT_EQ(ToUtf8(u"\u00E9\u20AC\U0001F600"), "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
}

TEST(Utf8, IllFormedInputBecomesReplacementCharacters) {
    EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD");        // overlong '/'
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD");    // encoded surrogate
    EXPECT_EQ(FromUtf8("x\xE2\x82"), u"x\uFFFD");      // truncated at the end
    EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Utf8, ToAnsiGoesThroughTheCodePage) {
    EXPECT_EQ(Utf8ToAnsi("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"), "Gr\xFC\xDF" "e \x80");
}

}  // namespace
}  // namespace tarn::platform
