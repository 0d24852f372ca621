// The dictionary that ships, on the training groups of the SpamAssassin public corpus (never
// on the held-out easy-ham-2 and spam-2): it is exactly what those groups give, and it rates
// their clear spam high and their clear ham low through the engine library. Skipped without
// the corpus.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <variant>

#include "platform/dynamic_library.h"
#include "rules/dictionary.h"
#include "screening/rules_engine.h"
#include "tests/support/temp_dir.h"
#include "tools/import/mailbox_reader.h"
#include "tools/train/dictionary_training.h"
#include "tools/train/screening_text_source.h"

namespace tarn::rules {
namespace {

const std::filesystem::path Corpus = TARN_TEST_CORPUS_DIR;

class ShippedDictionary : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(Corpus / "spam-1")) GTEST_SKIP() << "corpus not present: " << Corpus;
    }
};

TEST_F(ShippedDictionary, IsExactlyWhatTheTrainingGroupsGive) {
    std::ostringstream errors;
    const auto mail =
        tools::train::ReadLabelledMessages({Corpus / "easy-ham-1", Corpus / "hard-ham-1"}, {Corpus / "spam-1"}, errors);
    EXPECT_EQ(mail.unreadable, 0u) << errors.str();
    const auto bytes = WriteDictionary(tools::train::TrainDictionary(mail.messages, {}));
    const std::string shipped =
        test_support::TempDir::ReadFile(std::filesystem::path(TARN_TEST_SOURCE_DIR) / "rules/data/tarnrules.dict");
    EXPECT_TRUE(std::string(bytes.begin(), bytes.end()) == shipped)
        << "rules/data/tarnrules.dict is not what the corpus gives: run scripts/train-engine";
}

TEST_F(ShippedDictionary, RatesClearSpamOfTheTrainingGroupsHighAndClearHamLow) {
    screening::RulesEngine engine(platform::OwnModuleFolder(), {});
    ASSERT_TRUE(engine.Available()) << engine.Problem();
    engine.LoadDictionaries();
    ASSERT_TRUE(engine.HasData());
    tools::train::ScreeningTextSource source;
    const auto rate = [&](const std::string& file) {
        int rated = -1;
        tools::import::ReadMailbox(Corpus / file, [&](tools::import::MailboxEntry entry) {
            auto& message = std::get<tools::import::ImportedMessage>(entry);
            rated = engine.AnalyzeThisSpit(source.ScreeningText(std::move(message.content.properties))).rate;
        });
        return rated;
    };
    for (const char* spam :
         {"spam-1/00001.7848dde101aa985090474a91ec93fcf0.txt", "spam-1/00002.d94f1b97e48ed3b553b3508d116e6a09.txt",
          "spam-1/00003.2ee33bc6eacdb11f38d052c44819ba6c.txt", "spam-1/00004.eac8de8d759b7e74154f142194282724.txt"}) {
        EXPECT_GE(rate(spam), 50) << spam;
    }
    for (const auto& entry : std::filesystem::directory_iterator(Corpus / "easy-ham-1")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("0000") && entry.path().extension() == ".txt") {
            EXPECT_LT(rate("easy-ham-1/" + name), 30) << name;
        }
    }
}

}  // namespace
}  // namespace tarn::rules
