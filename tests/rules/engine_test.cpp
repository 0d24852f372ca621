// The engine over a dictionary of known tokens: rates, verdicts, and what it does without data.
#include "rules/engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "rules/token_hash.h"
#include "rules/verdict_text.h"
#include "tests/support/temp_dir.h"

namespace tarn::rules {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

Dictionary KnownTokens() {
    Dictionary dictionary;
    dictionary.ham_messages = 200;
    dictionary.spam_messages = 50;
    for (const char* spam : {"viagra", "casino", "url:example.biz", "subject:free"}) {
        dictionary.tokens.push_back({TokenHash(spam), 0, 40});
    }
    for (const char* ham : {"meeting", "agenda", "subject:minutes"}) {
        dictionary.tokens.push_back({TokenHash(ham), 100, 0});
    }
    dictionary.tokens.push_back({TokenHash("weather"), 100, 25});
    std::sort(dictionary.tokens.begin(), dictionary.tokens.end(),
              [](const auto& a, const auto& b) { return a.hash < b.hash; });
    return dictionary;
}

constexpr const char* SpamText =
    "Subject: Free\r\n\r\nViagra and casino at http://www.example.biz/ today, weather permitting";
constexpr const char* HamText = "Subject: Minutes\r\n\r\nThe meeting agenda, and the weather";

class EngineTest : public ::testing::Test {
protected:
    Engine engine;
    std::array<char, 1024> verdict{};
    void SetUp() override { ASSERT_TRUE(engine.Use(KnownTokens())); }
};

TEST_F(EngineTest, SpamRatesFromFiftyUpWithItsStrongestCluesInTheVerdict) {
    const unsigned rate = engine.Analyze(SpamText, verdict);
    EXPECT_GE(rate, 50u);
    const std::string text = verdict.data();
    EXPECT_THAT(text, StartsWith("Tarn 1.00: "));
    EXPECT_EQ(std::count(text.begin(), text.end(), ','), 2) << text;  // three clues
    EXPECT_THAT(text, Not(HasSubstr("weather")));                     // neither side's
    EXPECT_EQ(engine.Rate(SpamText).rate, rate);
}

TEST_F(EngineTest, HamRatesBelowThirtyWithItsOwnClues) {
    EXPECT_LT(engine.Analyze(HamText, verdict), 30u);
    const std::string text = verdict.data();
    EXPECT_THAT(text, StartsWith("Tarn 0.00: "));
    EXPECT_THAT(text, HasSubstr("'meeting'"));
    EXPECT_THAT(text, HasSubstr("subject:minutes"));
}

TEST_F(EngineTest, ATextWithoutCluesIsUnsure) {
    const auto rating = engine.Rate("Subject: nothing known\r\n\r\nplain words only");
    EXPECT_DOUBLE_EQ(rating.score, 0.5);
    EXPECT_EQ(rating.rate, 42);  // 0.5 lies 3/5 of the way from the ham cutoff 0.2 to the spam cutoff 0.7
    engine.Analyze("", verdict);
    EXPECT_STREQ(verdict.data(), "Tarn 0.50");
}

TEST_F(EngineTest, SpamNeedsThreeCluesAtLeast) {
    const auto two = engine.Rate("Subject: x\r\n\r\nviagra casino");
    EXPECT_GT(two.score, 0.9);
    EXPECT_EQ(two.rate, 49);  // at most unsure
    EXPECT_GE(engine.Rate("Subject: Free\r\n\r\nviagra casino").rate, 50);
}

TEST_F(EngineTest, EachTokenCountsOnceHoweverOftenItComes) {
    const double once = engine.Rate("Subject: x\r\n\r\ncasino weather").score;
    EXPECT_DOUBLE_EQ(engine.Rate("Subject: x\r\n\r\ncasino casino casino weather").score, once);
}

TEST_F(EngineTest, WithoutADictionaryEveryTextRatesZeroWithAnEmptyVerdict) {
    engine.Unload();
    EXPECT_FALSE(engine.HasData());
    verdict.fill('x');
    EXPECT_EQ(engine.Analyze(SpamText, verdict), 0);
    EXPECT_EQ(verdict[0], '\0');
}

TEST_F(EngineTest, AFileThatIsRefusedLeavesNoDataBehind) {
    test_support::TempDir dir;
    const auto bytes = WriteDictionary(KnownTokens());
    std::string file(bytes.begin(), bytes.end());
    dir.Write("good.dict", file);
    file[DictionaryHeaderSize + 3] ^= 0x10;
    dir.Write("bad.dict", file);

    EXPECT_TRUE(engine.Load(dir / "good.dict"));
    EXPECT_GE(engine.Analyze(SpamText, verdict), 50u);
    EXPECT_FALSE(engine.Load(dir / "bad.dict"));
    EXPECT_FALSE(engine.HasData());
    EXPECT_EQ(engine.Analyze(SpamText, verdict), 0);
    EXPECT_TRUE(engine.Load(dir / "good.dict"));
    EXPECT_TRUE(engine.HasData());
}

TEST(VerdictText, ShowsTheScoreAndTheCluesWordsInQuotes) {
    std::array<char, 1024> buffer{};
    const std::array<std::string_view, 3> clues = {"url:example.biz", "subject:free", "click"};
    WriteVerdict(buffer, 0.966, clues);
    EXPECT_STREQ(buffer.data(), "Tarn 0.97: url:example.biz, subject:free, 'click'");
    WriteVerdict(buffer, 0.0, {});
    EXPECT_STREQ(buffer.data(), "Tarn 0.00");
    WriteVerdict(buffer, 1.0, {});
    EXPECT_STREQ(buffer.data(), "Tarn 1.00");
}

TEST(VerdictText, CutsLongCluesHidesControlCharactersAndAlwaysEndsInTheBuffer) {
    std::array<char, 1024> buffer{};
    const std::string long_clue = "url:" + std::string(100, 'a');
    const std::array<std::string_view, 2> clues = {long_clue, std::string_view("tab\there\x01", 9)};
    WriteVerdict(buffer, 0.5, clues);
    EXPECT_EQ(std::string(buffer.data()), "Tarn 0.50: " + long_clue.substr(0, MaxClueDisplay) + ", 'tab?here?'");

    std::array<char, 8> small{};
    small.fill('x');
    WriteVerdict(small, 0.5, clues);
    EXPECT_STREQ(small.data(), "Tarn 0.");
    WriteVerdict(std::span<char>(), 0.5, clues);  // nothing to write into: nothing happens
}

}  // namespace
}  // namespace tarn::rules
