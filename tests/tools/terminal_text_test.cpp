#include <gtest/gtest.h>

#include "tools/sim/json_text.h"
#include "tools/sim/terminal_text.h"

namespace tarn::tools::sim {
namespace {

TEST(TerminalText, EveryControlCharacterIsShownAsItsCode) {
    EXPECT_EQ(TerminalText(u"a\u001b[2Jb\u0007c\u007fd\u009be\u0085f\tg\r\n"),
              "a\\x1B[2Jb\\x07c\\x7Fd\\x9Be\\x85f\\x09g\\x0D\\x0A");
    EXPECT_EQ(TerminalText(u"caf\u00e9 \u2013 \u203a"), "caf\xC3\xA9 \xE2\x80\x93 \xE2\x80\xBA");
}

TEST(TerminalText, LinesOfAMessageBoxStayLines) {
    EXPECT_EQ(TerminalLines(u"first\r\nsecond\rthird\nfourth\x1b"), "first\n    second\n    third\n    fourth\\x1B");
    EXPECT_EQ(TerminalLines(u"ends\r\n"), "ends\n    ");
    EXPECT_EQ(TerminalLines(u""), "");
}

TEST(TerminalText, CodePageTextAndFileSystemBytesAreReadAsWhatTheyAre) {
    EXPECT_EQ(TerminalAnsi("caf\xE9\x9D"), "caf\xC3\xA9\\x9D");    // Windows-1252: 0x9D is no letter
    EXPECT_EQ(TerminalUtf8("caf\xC3\xA9\x1B"), "caf\xC3\xA9\\x1B");
    EXPECT_EQ(TerminalUtf8("bad\xE9"), "bad\xEF\xBF\xBD");          // not UTF-8: the replacement character
}

TEST(JsonText, PathsAreUtf8AndTextIsTheCodePage) {
    EXPECT_EQ(JsonUtf8String("mail/caf\xC3\xA9.eml"), "\"mail/caf\xC3\xA9.eml\"");
    EXPECT_EQ(JsonString("caf\xE9"), "\"caf\xC3\xA9\"");
    EXPECT_EQ(JsonString("\"q\" \\ \x1B\x7F"), "\"\\\"q\\\" \\\\ \\u001b\\u007f\"");
    EXPECT_EQ(JsonUtf8String("\xC2\x9B"), "\"\\u009b\"");
}

}  // namespace
}  // namespace tarn::tools::sim
