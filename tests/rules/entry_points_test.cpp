// The engine library as the add-in loads it: by name from a folder, through the add-in's
// bridge, with the dictionary that the build puts beside it, with none, or with a damaged one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "rules/tarnrules_api.h"
#include "screening/rules_engine.h"
#include "tests/support/temp_dir.h"

namespace tarn::rules {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string LibraryName = platform::LibraryFileName("tarnrules");
constexpr const char* SpamText =
    "Subject: Save up to 70% on Life Insurance\r\nContent-Type: text/html\r\n"
    "<html><body><font color=\"#ff0000\" size=5>FREE quote!</font> Click here to be removed: "
    "<a href=\"http://www.example.biz/remove\">remove</a></body></html>";

class EngineLibrary : public ::testing::Test {
protected:
    std::vector<std::string> notices;
    screening::RulesEngine::Notice Sink() {
        return [this](const std::string& message) { notices.push_back(message); };
    }
    // A folder of the test's own holding a copy of the engine library and, when given, a
    // dictionary file of these bytes.
    void EngineCopy(const test_support::TempDir& dir, const std::string* dictionary) {
        std::filesystem::copy_file(platform::OwnModuleFolder() / LibraryName, dir / LibraryName);
        if (dictionary != nullptr) dir.Write("tarnrules.dict", *dictionary);
    }
    static std::string ShippedDictionary() {
        return test_support::TempDir::ReadFile(platform::OwnModuleFolder() / "tarnrules.dict");
    }
};

TEST_F(EngineLibrary, LoadsTheDictionaryBesideItUnloadsItAndLoadsItAgain) {
    screening::RulesEngine engine(platform::OwnModuleFolder(), Sink());
    ASSERT_TRUE(engine.Available()) << engine.Problem();
    for (int round = 0; round < 2; ++round) {
        engine.LoadDictionaries();
        EXPECT_TRUE(engine.HasData());
        EXPECT_EQ(engine.Getversionnumber(), 1.0L);
        const auto verdict = engine.AnalyzeThisSpit(SpamText);
        EXPECT_GE(verdict.rate, 50);
        EXPECT_THAT(verdict.text, StartsWith("Tarn "));
        engine.UnLoadDictionaries();
        EXPECT_EQ(engine.Getversionnumber(), 0.0L);
        const auto unloaded = engine.AnalyzeThisSpit(SpamText);
        EXPECT_EQ(unloaded.rate, 0);
        EXPECT_EQ(unloaded.text, "");
    }
    EXPECT_TRUE(notices.empty());
}

// The contract itself, through the exported function: the caller's buffer, the same address,
// a terminated verdict of at most 1023 characters whatever the text.
TEST_F(EngineLibrary, EveryTextGetsATerminatedVerdictInTheCallersBuffer) {
    std::string error;
    const auto library = platform::LoadDynamicLibrary(platform::OwnModuleFolder() / LibraryName, error);
    ASSERT_TRUE(library) << error;
    const auto load = reinterpret_cast<LoadDictionariesFn>(library->Symbol("LoadDictionaries"));
    const auto analyze = reinterpret_cast<AnalyzeThisSpitFn>(library->Symbol("AnalyzeThisSpit"));
    ASSERT_TRUE(load != nullptr && analyze != nullptr);
    load();

    std::string long_clues = "Subject: " + std::string(300, 'Q') + "\r\n\r\n";
    for (int i = 0; i < 50; ++i) {
        long_clues += "http://www." + std::string(80, static_cast<char>('a' + i % 26)) + ".biz/ ";
    }
    std::string noise;
    for (int i = 1; i < 4000; ++i) noise += static_cast<char>((i * 37) % 255 + 1);
    for (const std::string& text : {std::string(SpamText), long_clues, noise, std::string()}) {
        std::vector<char> buffer(VerdictBufferSize, 'x');
        char* verdict = buffer.data();
        analyze(text.c_str(), &verdict);
        EXPECT_EQ(verdict, buffer.data());
        EXPECT_NE(std::memchr(buffer.data(), '\0', VerdictBufferSize), nullptr);
        EXPECT_LE(std::strlen(buffer.data()), VerdictBufferSize - 1);
    }
}

TEST_F(EngineLibrary, WithoutItsDictionaryEveryTextRatesZeroAndTheUserIsToldOnce) {
    test_support::TempDir dir;
    EngineCopy(dir, nullptr);
    screening::RulesEngine engine(dir.Path(), Sink());
    ASSERT_TRUE(engine.Available()) << engine.Problem();
    engine.LoadDictionaries();
    EXPECT_FALSE(engine.HasData());
    EXPECT_EQ(engine.Getversionnumber(), 0.0L);
    for (int i = 0; i < 3; ++i) {
        const auto verdict = engine.AnalyzeThisSpit(SpamText);
        EXPECT_EQ(verdict.rate, 0);
        EXPECT_EQ(verdict.text, "");
    }
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_THAT(notices[0], HasSubstr("dictionary"));
}

TEST_F(EngineLibrary, ACutOrAlteredDictionaryIsRefusedWhole) {
    const std::string shipped = ShippedDictionary();
    ASSERT_GT(shipped.size(), 1000u);
    std::string altered = shipped;  // one bit changed in the middle
    altered[altered.size() / 2] ^= 0x01;
    std::string cut = shipped.substr(0, shipped.size() - 16);  // the last token missing
    for (const std::string* bytes : {&cut, &altered}) {
        test_support::TempDir dir;
        EngineCopy(dir, bytes);
        screening::RulesEngine engine(dir.Path(), Sink());
        engine.LoadDictionaries();
        EXPECT_FALSE(engine.HasData());
        EXPECT_EQ(engine.AnalyzeThisSpit(SpamText).rate, 0);
    }
    test_support::TempDir whole;
    EngineCopy(whole, &shipped);
    screening::RulesEngine engine(whole.Path(), Sink());
    engine.LoadDictionaries();
    EXPECT_TRUE(engine.HasData());
    EXPECT_GE(engine.AnalyzeThisSpit(SpamText).rate, 50);
}

TEST_F(EngineLibrary, ADamagedLessonsFileIsSetAsideAndTheUserIsToldOnceWhereItWasKept) {
    test_support::TempDir dir;
    const std::string shipped = ShippedDictionary();
    EngineCopy(dir, &shipped);
    dir.Write("tarnrules.user", "TARNUSER cut short");
    screening::RulesEngine engine(dir.Path(), Sink());
    ASSERT_TRUE(engine.CanLearn());
    engine.LoadDictionaries();
    EXPECT_TRUE(engine.HasData());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_THAT(notices[0], HasSubstr("tarnrules.user.damaged"));
    EXPECT_EQ(dir.Read("tarnrules.user.damaged"), "TARNUSER cut short");
    engine.UnLoadDictionaries();
    engine.LoadDictionaries();  // nothing set aside this time
    EXPECT_EQ(notices.size(), 1u);
    // The bridge's lessons reach the engine.
    const std::string text = "Subject: Choir practice\r\n\r\nBring the sheet music for the concert";
    const auto before = engine.AnalyzeThisSpit(text).rate;
    engine.LearnThisSpit(text, true);
    EXPECT_GT(engine.AnalyzeThisSpit(text).rate, before);
    engine.UnlearnThisSpit(text, true);
    EXPECT_EQ(engine.AnalyzeThisSpit(text).rate, before);
    engine.UnLoadDictionaries();
}

// The lessons are written when the add-in asks, and the add-in hears when they could not be:
// they wait in memory for the next chance. The dictionaries load on a thread of their own.
TEST_F(EngineLibrary, SaveLessonsWritesNowAndSaysWhenTheLessonsCouldNotBeWritten) {
    test_support::TempDir dir;
    const std::string shipped = ShippedDictionary();
    EngineCopy(dir, &shipped);
    screening::RulesEngine engine(dir.Path(), Sink());
    int lessons_heard = 0;
    engine.OnLesson([&] { ++lessons_heard; });
    engine.StartLoadingDictionaries();
    EXPECT_TRUE(engine.HasData());  // waits for the load
    EXPECT_TRUE(engine.SaveLessons());  // nothing to write
    EXPECT_FALSE(std::filesystem::exists(dir / "tarnrules.user"));

    const std::string text = "Subject: Choir practice\r\n\r\nBring the sheet music for the concert";
    engine.LearnThisSpit(text, true);
    EXPECT_EQ(lessons_heard, 1);
    EXPECT_TRUE(engine.SaveLessons());
    const std::string saved = dir.Read("tarnrules.user");
    EXPECT_FALSE(saved.empty());

    // A folder where the file goes: the lesson cannot be written, and stays to be written later.
    std::filesystem::remove(dir / "tarnrules.user");
    std::filesystem::create_directory(dir / "tarnrules.user");
    engine.UnlearnThisSpit(text, true);
    EXPECT_EQ(lessons_heard, 2);
    EXPECT_FALSE(engine.SaveLessons());
    std::filesystem::remove(dir / "tarnrules.user");
    EXPECT_TRUE(engine.SaveLessons());
    EXPECT_NE(dir.Read("tarnrules.user"), saved);  // the unlearnt text is gone from it
    engine.UnLoadDictionaries();
}

// The two entry points that teach, called as the add-in calls them, by name.
TEST_F(EngineLibrary, LessonsChangeTheRatingAreKeptInTheUserFileAcrossALoadAndCanBeTakenBack) {
    test_support::TempDir dir;
    const std::string shipped = ShippedDictionary();
    EngineCopy(dir, &shipped);
    std::string error;
    const auto library = platform::LoadDynamicLibrary(dir / LibraryName, error);
    ASSERT_TRUE(library) << error;
    const auto load = reinterpret_cast<LoadDictionariesFn>(library->Symbol("LoadDictionaries"));
    const auto unload = reinterpret_cast<UnLoadDictionariesFn>(library->Symbol("UnLoadDictionaries"));
    const auto analyze = reinterpret_cast<AnalyzeThisSpitFn>(library->Symbol("AnalyzeThisSpit"));
    const auto learn = reinterpret_cast<LearnThisSpitFn>(library->Symbol("LearnThisSpit"));
    const auto unlearn = reinterpret_cast<UnlearnThisSpitFn>(library->Symbol("UnlearnThisSpit"));
    ASSERT_TRUE(load && unload && analyze && learn && unlearn);
    const char* text = "Subject: Choir practice on Thursday\r\n\r\nBring the new sheet music for the concert";
    std::vector<char> buffer(VerdictBufferSize);
    char* verdict = buffer.data();
    const auto rate = [&] { return analyze(text, &verdict); };

    learn(text, 1);  // no dictionary loaded yet: nothing to learn into
    load();
    const unsigned before = rate();
    EXPECT_LT(before, 50u);
    learn(text, 1);
    const unsigned taught = rate();
    EXPECT_GE(taught, 50u);
    learn(nullptr, 1);  // copes with anything
    unload();
    EXPECT_EQ(test_support::TempDir::ReadFile(dir / "tarnrules.dict"), shipped);
    EXPECT_TRUE(std::filesystem::exists(dir / "tarnrules.user"));
    load();
    EXPECT_EQ(rate(), taught);
    unlearn(text, 0);  // taught as spam, not ham: left
    EXPECT_EQ(rate(), taught);
    unlearn(text, 1);
    EXPECT_EQ(rate(), before);
    unload();
}

}  // namespace
}  // namespace tarn::rules
