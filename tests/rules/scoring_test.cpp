// From token counts to a rate: Robinson's token probability, Fisher's combining, the rate scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "rules/clue_collector.h"
#include "rules/fisher_combining.h"
#include "rules/rate_scale.h"
#include "rules/token_hash.h"
#include "rules/token_table.h"

namespace tarn::rules {
namespace {

Dictionary Counts(std::vector<TokenCounts> tokens) {
    Dictionary dictionary;
    dictionary.ham_messages = 300;
    dictionary.spam_messages = 100;
    dictionary.tokens = std::move(tokens);
    return dictionary;
}

TEST(TokenProbability, FollowsRobinsonsFormulaOverTheSharesOfEachKind) {
    const Dictionary d = Counts({});
    // Seen once, in spam only: (0.45 * 0.5 + 1 * 1) / (0.45 + 1).
    EXPECT_NEAR(TokenProbability(0, 1, d), 1.225 / 1.45, 1e-12);
    EXPECT_NEAR(TokenProbability(1, 0, d), 0.225 / 1.45, 1e-12);
    // As common in ham as in spam (30 of 300, 10 of 100) is neither.
    EXPECT_NEAR(TokenProbability(30, 10, d), 0.5, 1e-12);
    // The more often a token was seen, the nearer it comes to its share.
    EXPECT_LT(TokenProbability(0, 2, d), TokenProbability(0, 20, d));
    EXPECT_GT(TokenProbability(0, 20, d), 0.98);
}

TEST(TokenTable, FindsEachTokenOfTheDictionaryAndNoOther) {
    std::vector<TokenCounts> tokens;
    for (unsigned n = 1; n <= 5000; ++n) {
        tokens.push_back({TokenHash("token" + std::to_string(n)), 1, n % 2 == 0 ? 0u : 3u});
    }
    std::sort(tokens.begin(), tokens.end(), [](const auto& a, const auto& b) { return a.hash < b.hash; });
    const Dictionary d = Counts(tokens);
    const TokenTable table(d);
    EXPECT_EQ(table.Size(), 5000u);
    for (const auto& token : tokens) {
        EXPECT_FLOAT_EQ(table.Probability(token.hash), static_cast<float>(TokenProbability(token.ham, token.spam, d)));
    }
    EXPECT_LT(table.Probability(2), 0.0f);
    EXPECT_LT(TokenTable().Probability(12345), 0.0f);
}

TEST(ClueCollector, CountsEachClueOnceHoweverManyTokensComeBetweenAndForgetsThemForTheNextText) {
    std::vector<TokenCounts> tokens = {{TokenHash("viagra"), 0, 90}, {TokenHash("meeting"), 200, 1}, {TokenHash("plain"), 3, 1}};
    std::sort(tokens.begin(), tokens.end(), [](const auto& a, const auto& b) { return a.hash < b.hash; });
    const TokenTable table(Counts(tokens));
    ClueCollector collector(table, 0.1);
    collector.Add("viagra");
    collector.Add("plain");  // seen in both kinds alike: no clue
    // Thousands of tokens that are no clue, then the clues once more.
    for (int n = 0; n < 5000; ++n) collector.Add("unknown" + std::to_string(n));
    collector.Add("meeting");
    collector.Add("viagra");
    collector.Add("meeting");
    collector.Add("plain");
    const auto clues = collector.Clues();
    ASSERT_EQ(clues.size(), 2u);
    EXPECT_EQ(collector.Text(clues[0]), "viagra");
    EXPECT_EQ(collector.Text(clues[1]), "meeting");

    collector.Reset();
    collector.Add("meeting");
    ASSERT_EQ(collector.Clues().size(), 1u) << "a clue of the last text is one of this text too";
    EXPECT_EQ(collector.Text(collector.Clues()[0]), "meeting");
}

TEST(ChiSquareSurvival, MatchesTheClosedFormForEvenDegrees) {
    EXPECT_DOUBLE_EQ(ChiSquareSurvival(0.0, 2), 1.0);
    EXPECT_NEAR(ChiSquareSurvival(3.0, 2), std::exp(-1.5), 1e-12);
    EXPECT_NEAR(ChiSquareSurvival(3.0, 4), std::exp(-1.5) * 2.5, 1e-12);
    EXPECT_NEAR(ChiSquareSurvival(400.0, 400), 0.49, 0.02);  // about half at the mean
    EXPECT_EQ(ChiSquareSurvival(5000.0, 400), 0.0);
}

std::vector<Clue> CluesOf(const std::vector<float>& probabilities) {
    std::vector<Clue> clues;
    std::uint64_t key = 1;
    for (const float p : probabilities) clues.push_back({p, key++, 0, 0});
    return clues;
}

TEST(CombineClues, AgreeingCluesGiveAClearScoreAndNoneOrMixedOnesAHalf) {
    auto none = CluesOf({});
    EXPECT_DOUBLE_EQ(CombineClues(none, 150).score, 0.5);
    auto spam = CluesOf(std::vector<float>(20, 0.95f));
    EXPECT_GT(CombineClues(spam, 150).score, 0.999);
    auto ham = CluesOf(std::vector<float>(20, 0.05f));
    EXPECT_LT(CombineClues(ham, 150).score, 0.001);
    auto mixed = CluesOf({0.95f, 0.05f, 0.9f, 0.1f});
    EXPECT_NEAR(CombineClues(mixed, 150).score, 0.5, 1e-6);
    auto few = CluesOf({0.8f});
    const double one = CombineClues(few, 150).score;
    EXPECT_GT(one, 0.5);
    EXPECT_LT(one, 0.9);
}

TEST(CombineClues, OnlyTheStrongestCountAndTheirOrderDoesNot) {
    auto clues = CluesOf({0.7f, 0.99f, 0.35f, 0.01f, 0.65f, 0.98f});
    const Combined combined = CombineClues(clues, 3);
    EXPECT_EQ(combined.used, 3u);
    std::vector<float> used;
    for (const Clue& clue : std::span(clues).first(combined.used)) used.push_back(clue.probability);
    std::sort(used.begin(), used.end());
    EXPECT_EQ(used, (std::vector<float>{0.01f, 0.98f, 0.99f}));

    auto strongest = CluesOf({0.01f, 0.98f, 0.99f});
    EXPECT_NEAR(combined.score, CombineClues(strongest, 3).score, 1e-12);
    auto reversed = CluesOf({0.98f, 0.65f, 0.01f, 0.35f, 0.99f, 0.7f});
    EXPECT_NEAR(combined.score, CombineClues(reversed, 3).score, 1e-12);
}

TEST(CombineClues, ManyExtremeCluesStayFinite) {
    auto clues = CluesOf(std::vector<float>(300, 0.0001f));
    const double score = CombineClues(clues, 300).score;
    EXPECT_TRUE(std::isfinite(score));
    EXPECT_LT(score, 1e-6);
}

TEST(RateOfScore, PutsTheCutoffsOnRates30And50AndSpreadsEachBand) {
    const double ham = 0.2;
    const double spam = 0.9;
    EXPECT_EQ(RateOfScore(0.0, ham, spam), 0);
    EXPECT_EQ(RateOfScore(0.1, ham, spam), 15);
    EXPECT_EQ(RateOfScore(0.1999, ham, spam), 29);
    EXPECT_EQ(RateOfScore(0.2, ham, spam), 30);
    EXPECT_EQ(RateOfScore(0.55, ham, spam), 40);
    EXPECT_EQ(RateOfScore(0.8999, ham, spam), 49);
    EXPECT_EQ(RateOfScore(0.9, ham, spam), 50);
    EXPECT_EQ(RateOfScore(0.95, ham, spam), 152);
    EXPECT_EQ(RateOfScore(1.0, ham, spam), 255);
    EXPECT_EQ(RateOfScore(std::numeric_limits<double>::quiet_NaN(), ham, spam), 0);
    EXPECT_EQ(RateOfScore(1.0, 0.0, 1.0), 50);
    unsigned previous = 0;
    for (int i = 0; i <= 1000; ++i) {
        const unsigned rate = RateOfScore(i / 1000.0, ham, spam);
        EXPECT_GE(rate, previous) << i;
        previous = rate;
    }
}

}  // namespace
}  // namespace tarn::rules
