// The engine with its files: the lessons saved beside the dictionary every 20 lessons and at
// unload, read back at the next load, and a damaged lessons file set aside, never lost.
#include "rules/taught_engine.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>

#include "rules/token_hash.h"
#include "rules/user_dictionary.h"
#include "tests/support/temp_dir.h"

namespace tarn::rules {
namespace {

std::string ShippedBytes() {
    Dictionary dictionary;
    dictionary.ham_messages = 200;
    dictionary.spam_messages = 50;
    for (const char* spam : {"viagra", "casino"}) dictionary.tokens.push_back({TokenHash(spam), 0, 40});
    for (const char* ham : {"meeting", "agenda"}) dictionary.tokens.push_back({TokenHash(ham), 100, 0});
    std::sort(dictionary.tokens.begin(), dictionary.tokens.end(),
              [](const auto& a, const auto& b) { return a.hash < b.hash; });
    const auto bytes = WriteDictionary(dictionary);
    return {bytes.begin(), bytes.end()};
}

std::string Lesson(int n) { return "Subject: offer " + std::to_string(n) + "\r\n\r\nreplica watches number" + std::to_string(n); }

class TaughtEngineFiles : public ::testing::Test {
protected:
    test_support::TempDir dir;
    TaughtEngine engine;
    void SetUp() override {
        dir.Write("tarnrules.dict", ShippedBytes());
        engine.Load(dir.Path());
        ASSERT_TRUE(engine.Rater().HasData());
    }
    bool UserFileExists() const { return std::filesystem::exists(dir / "tarnrules.user"); }
};

TEST_F(TaughtEngineFiles, SavesEveryTwentyLessonsAndAtUnloadAndTheNextLoadRatesWithThem) {
    EXPECT_EQ(engine.UserFileState(), TaughtEngine::UserFile::New);
    for (int n = 0; n < 19; ++n) ASSERT_TRUE(engine.Learn(Lesson(n), true));
    EXPECT_FALSE(UserFileExists());
    ASSERT_TRUE(engine.Learn(Lesson(19), true));
    EXPECT_TRUE(UserFileExists());
    EXPECT_EQ(engine.UnsavedLessons(), 0u);
    ASSERT_TRUE(engine.Learn(Lesson(20), false));
    const double score = engine.Rater().Rate("replica watches").score;
    const std::string shipped = dir.Read("tarnrules.dict");
    engine.Unload();

    EXPECT_EQ(dir.Read("tarnrules.dict"), shipped) << "the shipped dictionary is never written";
    engine.Load(dir.Path());
    EXPECT_EQ(engine.UserFileState(), TaughtEngine::UserFile::Loaded);
    EXPECT_EQ(engine.Rater().Taught().Messages().spam, 20u);
    EXPECT_EQ(engine.Rater().Taught().Messages().ham, 1u);
    EXPECT_DOUBLE_EQ(engine.Rater().Rate("replica watches").score, score);
    EXPECT_FALSE(engine.Learn(Lesson(3), true)) << "a text learnt before the load counts once";
    EXPECT_TRUE(engine.Unlearn(Lesson(3), true)) << "and can be unlearnt after it";
}

TEST_F(TaughtEngineFiles, AKillBetweenSavesLosesOnlyTheLessonsSinceTheLastSave) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        TaughtEngine taught;
        taught.Load(dir.Path());
        for (int n = 0; n < 27; ++n) taught.Learn(Lesson(n), true);
        raise(SIGKILL);  // as the user's machine losing power: no unload, no save
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    engine.Load(dir.Path());
    EXPECT_EQ(engine.UserFileState(), TaughtEngine::UserFile::Loaded);
    EXPECT_EQ(engine.Rater().Taught().Messages().spam, 20u);
}

TEST_F(TaughtEngineFiles, ADamagedLessonsFileIsSetAsideAndTheEngineGoesOnWithTheShippedDictionary) {
    engine.Unload();
    dir.Write("tarnrules.user", "TARNUSER this is no file of lessons");
    dir.Write("tarnrules.user.damaged", "set aside before");
    engine.Load(dir.Path());
    EXPECT_TRUE(engine.Rater().HasData());
    EXPECT_EQ(engine.UserFileState(), TaughtEngine::UserFile::SetAside);
    EXPECT_EQ(engine.SetAsidePath(), dir / "tarnrules.user.damaged-2");
    EXPECT_EQ(dir.Read("tarnrules.user.damaged-2"), "TARNUSER this is no file of lessons");
    EXPECT_EQ(dir.Read("tarnrules.user.damaged"), "set aside before");
    EXPECT_FALSE(UserFileExists());
    EXPECT_TRUE(engine.Rater().Taught().Texts().empty());

    // Learning starts a new file.
    ASSERT_TRUE(engine.Learn(Lesson(1), true));
    engine.Unload();
    engine.Load(dir.Path());
    EXPECT_EQ(engine.UserFileState(), TaughtEngine::UserFile::Loaded);
}

TEST(TaughtEngineWithoutADictionary, LearnsNothingAndWritesNothing) {
    test_support::TempDir dir;
    TaughtEngine engine;
    engine.Load(dir.Path());
    EXPECT_FALSE(engine.Rater().HasData());
    EXPECT_FALSE(engine.Learn(Lesson(1), true));
    engine.Unload();
    EXPECT_EQ(dir.FileCount(), 0u);
}

}  // namespace
}  // namespace tarn::rules
