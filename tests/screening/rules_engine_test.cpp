#include "screening/rules_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "tests/support/temp_dir.h"

namespace tarn::screening {
namespace {

struct Notices {
    std::vector<std::string> shown;
    RulesEngine::Notice Sink() {
        return [this](const std::string& message) { shown.push_back(message); };
    }
};

// The engine library built with the product sits beside the test program, as it sits beside
// the add-in.
TEST(RulesEngine, LoadsTheEngineLibraryOfItsFolderByName) {
    Notices notices;
    RulesEngine engine(platform::OwnModuleFolder(), notices.Sink());
    ASSERT_TRUE(engine.Available()) << engine.Problem();
    engine.LoadDictionaries();
    EXPECT_TRUE(engine.HasData());
    EXPECT_EQ(engine.Getversionnumber(), 1.0L);
    const auto verdict =
        engine.AnalyzeThisSpit("Subject: Re: lunch\r\nFrom: Ann <ann@example.com>\r\n\r\nSee you at noon.");
    EXPECT_LT(verdict.rate, 50);
    EXPECT_EQ(verdict.text.rfind("Tarn ", 0), 0u) << verdict.text;
    engine.UnLoadDictionaries();
    EXPECT_TRUE(notices.shown.empty());
}

TEST(RulesEngine, WithoutTheLibraryEveryTextRatesZeroAndTheUserIsToldOnce) {
    test_support::TempDir empty;
    Notices notices;
    RulesEngine engine(empty.Path(), notices.Sink());
    EXPECT_FALSE(engine.Available());
    EXPECT_NE(engine.Problem(), "");
    engine.LoadDictionaries();
    EXPECT_EQ(engine.Getversionnumber(), 0.0L);
    for (int i = 0; i < 3; ++i) {
        const auto verdict = engine.AnalyzeThisSpit("spam spam spam");
        EXPECT_EQ(verdict.rate, 0);
        EXPECT_EQ(verdict.text, "");
    }
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_NE(notices.shown[0].find("rating engine"), std::string::npos) << notices.shown[0];
}

class ProbeEngine : public ::testing::Test {
protected:
    Notices notices;
    RulesEngine engine{platform::OwnModuleFolder() / "probe-engine", notices.Sink()};
};

TEST_F(ProbeEngine, TheEngineGetsATerminatedCopyAndItsVerdictComesBack) {
    ASSERT_TRUE(engine.Available()) << engine.Problem();
    const std::string text(300, 'x');
    const auto verdict = engine.AnalyzeThisSpit(text);
    EXPECT_EQ(verdict.text, "seen 300");
    EXPECT_EQ(verdict.rate, 300 & 0xFF);
}

TEST_F(ProbeEngine, AVerdictFillingTheBufferIsReadWhole) {
    const auto verdict = engine.AnalyzeThisSpit("LONG");
    EXPECT_EQ(verdict.text, std::string(1023, 'v'));
}

TEST_F(ProbeEngine, AnEngineThatMovesTheBufferGivesNoVerdict) {
    const auto verdict = engine.AnalyzeThisSpit("MOVE");
    EXPECT_EQ(verdict.text, "");
    EXPECT_EQ(verdict.rate, 4);
}

TEST_F(ProbeEngine, TheVersionAndTheDictionaryCallsReachTheEngine) {
    EXPECT_EQ(engine.Getversionnumber(), 2.5L);
    engine.LoadDictionaries();
    EXPECT_EQ(engine.Getversionnumber(), 3.5L);
    engine.UnLoadDictionaries();
    EXPECT_EQ(engine.Getversionnumber(), 2.5L);
}

}  // namespace
}  // namespace tarn::screening
