#include <gtest/gtest.h>

#include "store/captions.h"
#include "store/language_file.h"
#include "tests/support/temp_dir.h"

namespace tarn::store {
namespace {

using test_support::TempDir;

TEST(LanguageNumber, IsDecimalOrHexadecimalAndNothingElse) {
    EXPECT_EQ(ParseProfileNumber("2000"), 2000);
    EXPECT_EQ(ParseProfileNumber("-12"), -12);
    EXPECT_EQ(ParseProfileNumber("$7D0"), 2000);
    EXPECT_EQ(ParseProfileNumber("0x7d0"), 2000);
    EXPECT_EQ(ParseProfileNumber("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseProfileNumber("2147483648"), std::nullopt);
    EXPECT_EQ(ParseProfileNumber("-2147483648"), INT32_MIN);
    for (const char* text : {"", "$", "0x", "20 00", "2000a", "two", "0x1G", "--1"}) {
        EXPECT_EQ(ParseProfileNumber(text), std::nullopt) << text;
    }
}

TEST(LanguageNumber, RoundsToTheNearestThousandWithHalvesToEven) {
    EXPECT_EQ(LanguageSectionOf(1000), 1000);
    EXPECT_EQ(LanguageSectionOf(1499), 1000);
    EXPECT_EQ(LanguageSectionOf(1500), 2000);
    EXPECT_EQ(LanguageSectionOf(2500), 2000);
    EXPECT_EQ(LanguageSectionOf(3700), 4000);
    EXPECT_EQ(LanguageSectionOf(400), 0);
    EXPECT_EQ(LanguageSectionOf(INT32_MAX), 2147484000);
}

class CaptionLookup : public ::testing::Test {
protected:
    TempDir dir;
    Captions Load(const std::string& language_file) {
        dir.Write("Language.ini", language_file);
        return LoadCaptionsAndStrings(dir.Path());
    }
};

TEST_F(CaptionLookup, WithoutALanguageFileEveryCaptionIsEnglish) {
    const Captions captions = LoadCaptionsAndStrings(dir.Path());
    EXPECT_EQ(captions[Caption::btnAboutHint], u"About Tarn4OL...");
    EXPECT_EQ(captions[Caption::sNowmovingSPAM], u"Now moving SPAM to Quarantine folder");
    EXPECT_EQ(captions[Caption::rdMovetoQuarantine], u"Quarantine folder");
    EXPECT_EQ(captions.CharSet(), 1);
}

TEST_F(CaptionLookup, TheCurrentLanguageNamesItsSection) {
    const Captions captions = Load(
        "[Main]\r\nCurrent=Deutsch\r\nDeutsch=2000\r\n[1000]\r\nbtnHelp=Help\r\n[2000]\r\nbtnHelp=Hilfe\r\n"
        "sPleaseWait=Bitte warten...\r\n");
    EXPECT_EQ(captions[Caption::btnHelp], u"Hilfe");
    EXPECT_EQ(captions[Caption::btnClose], u"Close");  // not translated: the default
}

TEST_F(CaptionLookup, ALanguageWithoutANumberReadsSection1000) {
    const Captions captions = Load("[Main]\r\nCurrent=Deutsch\r\n[1000]\r\nbtnHelp=Help!\r\n[2000]\r\nbtnHelp=Hilfe\r\n");
    EXPECT_EQ(captions[Caption::btnHelp], u"Help!");
}

TEST_F(CaptionLookup, HalvesGoToTheEvenSection) {
    const Captions captions = Load("[Main]\r\nCurrent=X\r\nX=2500\r\n[2000]\r\nbtnHelp=two\r\n[3000]\r\nbtnHelp=three\r\n");
    EXPECT_EQ(captions[Caption::btnHelp], u"two");
}

TEST_F(CaptionLookup, AnEmptyValueGivesAnEmptyCaptionAndKeysIgnoreCase) {
    const Captions captions = Load("[1000]\r\nBTNHELP=\r\nbtnclose=Shut\r\n");
    EXPECT_EQ(captions[Caption::btnHelp], u"");
    EXPECT_EQ(captions[Caption::btnClose], u"Shut");
}

TEST_F(CaptionLookup, TextsAreWidenedFromTheCodePageAndTheCharSetKeepsEightBits) {
    const Captions captions = Load("[1000]\r\nbtnClose=Fermer \xE0 pr\xE9sent\r\nsCharSet=$1CC\r\n");
    EXPECT_EQ(captions[Caption::btnClose], u"Fermer \u00E0 pr\u00E9sent");
    EXPECT_EQ(captions.CharSet(), 0xCC);  // 460: its low 8 bits, 204 (Russian)
}

TEST_F(CaptionLookup, AMalformedCharSetKeepsTheDefault) {
    EXPECT_EQ(Load("[1000]\r\nsCharSet=cyrillic\r\n").CharSet(), 1);
}

}  // namespace
}  // namespace tarn::store

namespace tarn::store {
namespace {

// The language file the add-in ships, with another current language.
std::string ShippedLanguageFile(const std::string& current) {
    std::string content =
        test_support::TempDir::ReadFile(std::filesystem::path(TARN_TEST_SOURCE_DIR) / "store" / "Language.ini");
    const auto line = content.find("Current=English");
    if (line != std::string::npos) content.replace(line, 15, "Current=" + current);
    return content;
}

TEST(ShippedLanguageFile, TranslatesEveryCaptionInEveryLanguage) {
    for (const char* language : {"English", "Deutsch", "Fran\xE7" "ais"}) {
        TempDir dir;
        dir.Write("Language.ini", ShippedLanguageFile(language));
        const LanguageFile file(dir.Path());
        for (std::size_t i = 0; i < CaptionCount; ++i) {
            const auto& definition = DefinitionOf(static_cast<Caption>(i));
            EXPECT_NE(file.Text(definition.key, "<missing>"), "<missing>") << language << " " << definition.key;
        }
        EXPECT_EQ(file.Number("sCharSet", -1), 1) << language;
    }
}

TEST(ShippedLanguageFile, EachLanguageHasItsOwnSection) {
    TempDir dir;
    dir.Write("Language.ini", ShippedLanguageFile("Deutsch"));
    EXPECT_EQ(LoadCaptionsAndStrings(dir.Path())[Caption::btnHelp], u"Hilfe");
    dir.Write("Language.ini", ShippedLanguageFile("Fran\xE7" "ais"));
    EXPECT_EQ(LoadCaptionsAndStrings(dir.Path())[Caption::btnClose], u"Fermer");
    dir.Write("Language.ini", ShippedLanguageFile("English"));
    EXPECT_EQ(LoadCaptionsAndStrings(dir.Path())[Caption::btnClose], u"Close");
}

}  // namespace
}  // namespace tarn::store
