// The same cases run against the Linux reader and, under wine, the Windows profile functions.
#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "tests/support/temp_dir.h"

namespace tarn::platform {
namespace {

using test_support::TempDir;

class IniFileRules : public ::testing::Test {
protected:
    TempDir dir;
    IniFile Write(const std::string& content) {
        dir.Write("Language.ini", content);
        return IniFile(dir / "Language.ini");
    }
};

TEST_F(IniFileRules, SectionAndKeyNamesIgnoreCase) {
    const IniFile ini = Write("[Main]\r\nCurrent=Deutsch\r\n[2000]\r\nbtnHelp=Hilfe\r\n");
    EXPECT_EQ(ini.ReadString("MAIN", "current", "English"), "Deutsch");
    EXPECT_EQ(ini.ReadString("2000", "BTNHELP", "Help"), "Hilfe");
}

TEST_F(IniFileRules, MissingFileSectionOrKeyGivesTheFallback) {
    const IniFile ini = Write("[1000]\nbtnHelp=Help me\n");
    EXPECT_EQ(ini.ReadString("2000", "btnHelp", "Help"), "Help");
    EXPECT_EQ(ini.ReadString("1000", "btnClose", "Close"), "Close");
    EXPECT_EQ(IniFile(dir / "Missing.ini").ReadString("1000", "btnHelp", "Help"), "Help");
}

TEST_F(IniFileRules, AnEmptyValueIsEmptyNotTheFallback) {
    const IniFile ini = Write("[1000]\r\nbtnHelp=\r\n");
    EXPECT_EQ(ini.ReadString("1000", "btnHelp", "Help"), "");
}

TEST_F(IniFileRules, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
    const IniFile ini = Write("[1000]\r\n  a  =  two words  \r\nb=\"quoted \"\r\nc='x'\r\nd=\"open\r\n");
    EXPECT_EQ(ini.ReadString("1000", "a", ""), "two words");
    EXPECT_EQ(ini.ReadString("1000", "b", ""), "quoted ");
    EXPECT_EQ(ini.ReadString("1000", "c", ""), "x");
    EXPECT_EQ(ini.ReadString("1000", "d", ""), "\"open");
}

TEST_F(IniFileRules, CommentsAreSkippedAndValuesKeepTheirBytes) {
    const IniFile ini = Write("; Language file\r\n[3000]\r\n;btnHelp=no\r\nbtnHelp=Aide \xE0 la t\xE2" "che\r\n");
    EXPECT_EQ(ini.ReadString("3000", "btnHelp", "Help"), "Aide \xE0 la t\xE2" "che");
}

TEST_F(IniFileRules, AValueIsCutAt2047Characters) {
    const IniFile ini = Write("[1000]\r\nlong=" + std::string(3000, 'x') + "\r\n");
    EXPECT_EQ(ini.ReadString("1000", "long", "").size(), 2047u);
}

}  // namespace
}  // namespace tarn::platform
