// What the user teaches the engine: lessons counted into the token table, and taken back.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/engine.h"
#include "rules/token_hash.h"
#include "rules/token_set.h"
#include "rules/token_table.h"

namespace tarn::rules {
namespace {

Dictionary Shipped() {
    Dictionary dictionary;
    dictionary.ham_messages = 200;
    dictionary.spam_messages = 50;
    for (const char* spam : {"viagra", "casino", "url:example.biz"}) dictionary.tokens.push_back({TokenHash(spam), 0, 40});
    for (const char* ham : {"meeting", "agenda", "subject:minutes"}) dictionary.tokens.push_back({TokenHash(ham), 100, 0});
    std::sort(dictionary.tokens.begin(), dictionary.tokens.end(),
              [](const auto& a, const auto& b) { return a.hash < b.hash; });
    return dictionary;
}

// A text of words the shipped dictionary never saw.
constexpr const char* NewSpam =
    "Subject: Replica watches\r\n\r\nReplica watches, rolex replica, cheapest prices on replica watches";
constexpr const char* NewHam = "Subject: Choir practice\r\n\r\nChoir practice moves to Thursday evening, bring sheet music";

TEST(TokenTableCounts, ALessonChangesTheProbabilityOfItsTokensAndTheSharesOfAllOthers) {
    const Dictionary shipped = Shipped();
    TokenTable table(shipped);
    const std::uint64_t meeting = TokenHash("meeting");
    const std::uint64_t fresh = TokenHash("choir");
    EXPECT_LT(table.Probability(fresh), 0.0f);

    table.CountMessage(true, 1);
    table.CountToken(fresh, true, 1);
    EXPECT_FLOAT_EQ(table.Probability(fresh), static_cast<float>(TokenProbability(0, 1, 200, 51, shipped.parameters)));
    // One spam message more makes every ham token a little more of a ham token.
    EXPECT_FLOAT_EQ(table.Probability(meeting), static_cast<float>(TokenProbability(100, 0, 200, 51, shipped.parameters)));

    table.CountToken(fresh, true, -1);
    table.CountToken(fresh, true, -1);  // never below 0
    table.CountMessage(true, -1);
    EXPECT_LT(table.Probability(fresh), 0.0f) << "a token no message holds any more is unknown again";
    EXPECT_EQ(table.SpamMessages(), 50u);
}

TEST(TokenTableCounts, AStepOfSeveralMessagesCountsThemAllAndATakeBackStopsAtNone) {
    const Dictionary shipped = Shipped();
    TokenTable table(shipped);
    const std::uint64_t casino = TokenHash("casino");
    table.CountMessage(false, 4);
    table.CountToken(casino, false, 4);
    EXPECT_EQ(table.HamMessages(), 204u);
    EXPECT_FLOAT_EQ(table.Probability(casino), static_cast<float>(TokenProbability(4, 40, 204, 50, shipped.parameters)));
    table.CountToken(casino, false, -9);
    table.CountMessage(false, -4);
    EXPECT_FLOAT_EQ(table.Probability(casino), static_cast<float>(TokenProbability(0, 40, shipped)));
}

TEST(TokenTableCounts, GrowsToTakeNewTokensAndKeepsFindingTheOldOnes) {
    const Dictionary shipped = Shipped();
    TokenTable table(shipped);
    std::vector<std::uint64_t> added;
    for (int n = 0; n < 5000; ++n) {
        added.push_back(TokenHash("new" + std::to_string(n)));
        table.CountToken(added.back(), n % 2 == 0, 1);
    }
    EXPECT_EQ(table.Size(), shipped.tokens.size() + 5000);
    for (const auto& token : shipped.tokens) {
        EXPECT_FLOAT_EQ(table.Probability(token.hash), static_cast<float>(TokenProbability(token.ham, token.spam, shipped)));
    }
    for (std::size_t n = 0; n < added.size(); ++n) {
        EXPECT_FLOAT_EQ(table.Probability(added[n]),
                        static_cast<float>(TokenProbability(n % 2 == 0 ? 0 : 1, n % 2 == 0 ? 1 : 0, shipped)));
    }
}

class Learning : public ::testing::Test {
protected:
    Engine engine;
    void SetUp() override { ASSERT_TRUE(engine.Use(Shipped())); }
    std::vector<double> Scores() { return {engine.Rate(NewSpam).score, engine.Rate(NewHam).score}; }
};

TEST_F(Learning, ALearntSpamTextRatesAsSpamAndUnlearningItLeavesEveryRatingAsBefore) {
    const auto before = Scores();
    EXPECT_LT(engine.Rate(NewSpam).rate, 50u);
    ASSERT_TRUE(engine.Learn(NewSpam, true));
    EXPECT_GE(engine.Rate(NewSpam).rate, 50u);
    EXPECT_GT(engine.Rate("Subject: replica\r\n\r\nrolex replica watches").score, 0.5) << "what it learnt carries over";
    ASSERT_TRUE(engine.Unlearn(NewSpam, true));
    EXPECT_EQ(Scores(), before);
    EXPECT_EQ(engine.Table().SpamMessages(), 50u);
    EXPECT_TRUE(engine.Taught().Texts().empty());
    EXPECT_TRUE(engine.Taught().Tokens().empty());
}

TEST_F(Learning, TheSameTextCountsOnceAndOnlyALearntTextIsUnlearnt) {
    ASSERT_TRUE(engine.Learn(NewSpam, true));
    const auto once = Scores();
    EXPECT_FALSE(engine.Learn(NewSpam, true));
    EXPECT_EQ(Scores(), once);
    EXPECT_EQ(engine.Taught().Messages().spam, 1u);

    EXPECT_FALSE(engine.Unlearn(NewHam, true)) << "never learnt";
    EXPECT_FALSE(engine.Unlearn(NewSpam, false)) << "learnt as the other kind";
    EXPECT_EQ(Scores(), once);
}

TEST_F(Learning, LearntAsTheOtherKindATextMovesThere) {
    const auto before = Scores();
    ASSERT_TRUE(engine.Learn(NewHam, true));
    ASSERT_TRUE(engine.Learn(NewHam, false));
    EXPECT_EQ(engine.Taught().Messages().spam, 0u);
    EXPECT_EQ(engine.Taught().Messages().ham, 1u);
    EXPECT_EQ(engine.Table().SpamMessages(), 50u);
    EXPECT_LT(engine.Rate(NewHam).rate, 30u);
    ASSERT_TRUE(engine.Unlearn(NewHam, false));
    EXPECT_EQ(Scores(), before);
}

TEST(LessonWeight, ALessonCountsAsThatManyMessagesAndALoadedUserFileCountsTheSame) {
    const std::string_view taught = "Subject: minutes\r\n\r\nmeeting agenda replica watches";
    Engine weighted(4);
    ASSERT_TRUE(weighted.Use(Shipped()));
    ASSERT_TRUE(weighted.Learn(taught, true));
    EXPECT_EQ(weighted.Table().SpamMessages(), 54u);
    EXPECT_FLOAT_EQ(weighted.Table().Probability(TokenHash("meeting")),
                    static_cast<float>(TokenProbability(100, 4, 200, 54, Shipped().parameters)));
    EXPECT_EQ(weighted.Taught().Messages().spam, 1u) << "the user file keeps the lesson once";

    Engine plain(1);
    ASSERT_TRUE(plain.Use(Shipped()));
    ASSERT_TRUE(plain.Learn(taught, true));
    EXPECT_GT(weighted.Rate(taught).score, plain.Rate(taught).score);

    // The lessons of the user file, taken by the next session's engine, count as they did when learnt.
    Engine next(4);
    ASSERT_TRUE(next.Use(Shipped()));
    ASSERT_TRUE(next.Take(weighted.Taught().File()));
    EXPECT_EQ(next.Rate(taught).score, weighted.Rate(taught).score);
    EXPECT_EQ(next.Rate(NewHam).score, weighted.Rate(NewHam).score);
    ASSERT_TRUE(next.Unlearn(taught, true));
    EXPECT_EQ(next.Table().SpamMessages(), 50u);
    EXPECT_FLOAT_EQ(next.Table().Probability(TokenHash("meeting")),
                    static_cast<float>(TokenProbability(100, 0, Shipped())));

    EXPECT_EQ(Engine(0).LessonWeight(), 1u);
    EXPECT_EQ(Engine(1000).LessonWeight(), MaxLessonWeight);
}

TEST(LearningWithoutADictionary, DoesNothing) {
    Engine engine;
    EXPECT_FALSE(engine.Learn(NewSpam, true));
    EXPECT_FALSE(engine.Unlearn(NewSpam, true));
    EXPECT_EQ(engine.Rate(NewSpam).rate, 0u);
    EXPECT_TRUE(engine.Taught().Texts().empty());
}

TEST(TokenSetOf, HoldsEachTokenOnceInKeyOrder) {
    const TokenSet tokens = TokenSetOf("Subject: a b\r\n\r\nreplica replica replica watches");
    EXPECT_TRUE(std::is_sorted(tokens.begin(), tokens.end()));
    EXPECT_EQ(std::adjacent_find(tokens.begin(), tokens.end()), tokens.end());
    EXPECT_EQ(std::count(tokens.begin(), tokens.end(), TokenHash("replica")), 1);
}

}  // namespace
}  // namespace tarn::rules
