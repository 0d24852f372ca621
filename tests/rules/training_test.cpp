// tarnrules-train's parts: its command line, the counting, and cross-validation that never
// rates a message with a dictionary that learned it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <sstream>
#include <string>

#include "tools/train/cross_validation.h"
#include "tools/train/dictionary_training.h"
#include "tools/train/fold_assignment.h"
#include "tools/stream/message_stream.h"
#include "tools/train/online_evaluation.h"
#include "tools/train/train_command_line.h"

namespace tarn::tools::train {
namespace {

TEST(TrainCommandLine, TakesSeveralMailboxesPerKindAndTheParameters) {
    const auto command = ParseTrainCommandLine({"build", "--ham", "a", "b", "--spam", "c", "--out", "x.dict",
                                                "--max-clues", "120", "--spam-cutoff", "0.95", "--min-messages", "3"});
    EXPECT_EQ(command.command, Command::Build);
    EXPECT_EQ(command.ham, (std::vector<std::filesystem::path>{"a", "b"}));
    EXPECT_EQ(command.spam, (std::vector<std::filesystem::path>{"c"}));
    EXPECT_EQ(command.out, "x.dict");
    EXPECT_EQ(command.training.parameters.max_clues, 120u);
    EXPECT_DOUBLE_EQ(command.training.parameters.spam_cutoff, 0.95);
    EXPECT_EQ(command.training.min_messages, 3u);
    EXPECT_EQ(ParseTrainCommandLine({"cross-validate", "--ham", "a", "--spam", "b", "--folds", "5"}).folds, 5u);
    EXPECT_EQ(ParseTrainCommandLine({"cross-validate", "--ham", "a", "--spam", "b", "--by-correspondent"}).dealing,
              FoldDealing::ByCorrespondent);
    EXPECT_TRUE(ParseTrainCommandLine({"evaluate", "--dictionary", "d", "--online", "--ham", "a", "--spam", "b"}).online);
    EXPECT_EQ(ParseTrainCommandLine({"stream", "--ham", "a", "--spam", "b"}).command, Command::Stream);
    EXPECT_EQ(ParseTrainCommandLine({"evaluate", "--dictionary", "d", "--online", "--ham", "a", "--spam", "b"})
                  .lesson_weight,
              rules::DefaultLessonWeight);
    const auto validate =
        ParseTrainCommandLine({"validate-online", "--ham", "a", "--spam", "b", "--lesson-weight", "2", "--strength", "1"});
    EXPECT_EQ(validate.command, Command::ValidateOnline);
    EXPECT_EQ(validate.lesson_weight, 2u);
    EXPECT_DOUBLE_EQ(validate.training.parameters.unknown_strength, 1.0);
    EXPECT_EQ(ParseTrainCommandLine({}).command, Command::Help);
}

TEST(TrainCommandLine, RefusesWhatItCannotFollow) {
    for (const std::vector<std::string_view>& wrong : std::vector<std::vector<std::string_view>>{
             {"train"},
             {"build", "--ham", "a", "--spam", "b"},
             {"evaluate", "--ham", "a", "--spam", "b"},
             {"cross-validate", "--ham", "a"},
             {"cross-validate", "a", "--ham", "b", "--spam", "c"},
             {"cross-validate", "--ham", "a", "--spam", "b", "--folds", "1"},
             {"cross-validate", "--ham", "a", "--spam", "b", "--max-clues", "301"},
             {"cross-validate", "--ham", "a", "--spam", "b", "--ham-cutoff", "0.95", "--spam-cutoff", "0.9"},
             {"cross-validate", "--ham", "a", "--spam", "b", "--strength", "x"},
             {"cross-validate", "--ham", "a", "--spam", "b", "--strength"},
             {"cross-validate", "--ham", "a", "--spam", "b", "--colour", "red"},
             {"build", "--ham", "a", "--spam", "b", "--out", "x", "--online"},
             {"evaluate", "--dictionary", "d", "--ham", "a", "--spam", "b", "--lesson-weight", "2"},
             {"validate-online", "--ham", "a", "--spam", "b", "--lesson-weight", "0"},
             {"validate-online", "--ham", "a", "--spam", "b", "--lesson-weight", "17"}}) {
        EXPECT_THROW(ParseTrainCommandLine(wrong), UsageError) << wrong[0];
    }
}

LabelledMessage Message(std::string text, bool spam) {
    return {"test", "message", std::move(text), spam};
}

TEST(TrainDictionary, CountsEachTokenOncePerMessageAndCanLeaveRareTokensOut) {
    const std::vector<LabelledMessage> messages = {Message("casino casino bonus", true), Message("casino lunch", false),
                                                   Message("lunch meeting", false)};
    TrainingOptions seen_twice;
    seen_twice.min_messages = 2;
    const auto dictionary = TrainDictionary(messages, seen_twice);
    EXPECT_EQ(dictionary.ham_messages, 2u);
    EXPECT_EQ(dictionary.spam_messages, 1u);
    // casino (1 ham, 1 spam) and lunch (2 ham) are kept; bonus and meeting, seen once, are not.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> counts;
    for (const auto& token : dictionary.tokens) counts.emplace_back(token.ham, token.spam);
    EXPECT_THAT(counts, ::testing::IsSupersetOf({std::pair(1u, 1u), std::pair(2u, 0u)}));
    EXPECT_THAT(counts, ::testing::Not(::testing::Contains(std::pair(0u, 1u))));
    EXPECT_TRUE(rules::IsUsable(dictionary));
    // By default every token is kept, seen once too.
    EXPECT_GT(TrainDictionary(messages, {}).tokens.size(), dictionary.tokens.size());
    EXPECT_EQ(rules::WriteDictionary(TrainDictionary(messages, seen_twice)), rules::WriteDictionary(dictionary));
}

TEST(CrossValidate, RatesEachMessageOnceAndNeverWithWhatItTaught) {
    std::vector<LabelledMessage> messages;
    for (int i = 0; i < 6; ++i) {
        messages.push_back(Message("meeting agenda minutes", false));
        messages.push_back(Message("casino bonus winner", true));
    }
    // Words no other message has: in its own fold's dictionary they are unknown.
    messages.push_back(Message("zyxwv qwertz", true));
    messages.push_back(Message("zyxwv qwertz", true));  // dealt into another fold than its twin
    TrainingOptions options;
    options.min_messages = 1;
    const auto scored = CrossValidate(messages, options, 2, FoldDealing::Interleaved);
    ASSERT_EQ(scored.size(), messages.size());
    std::set<const LabelledMessage*> rated;
    for (const auto& result : scored) {
        rated.insert(result.message);
        if (result.message->screening_text.starts_with("meeting")) {
            EXPECT_LT(result.score, 0.2);
        } else if (result.message->screening_text.starts_with("casino")) {
            EXPECT_GT(result.score, 0.9);
        }
    }
    EXPECT_EQ(rated.size(), messages.size());
    // Each twin learned from the other only: its words are seen once, in spam, and so spammy.
    const auto twin = [](const std::vector<ScoredMessage>& results) {
        return std::find_if(
                   results.begin(), results.end(),
                   [](const ScoredMessage& result) { return result.message->screening_text.starts_with("zyxwv"); })
            ->score;
    };
    EXPECT_GT(twin(scored), 0.5);
    messages.pop_back();
    EXPECT_DOUBLE_EQ(twin(CrossValidate(messages, options, 2, FoldDealing::Interleaved)), 0.5);
}

TEST(CorrespondentOf, NamesTheListBeforeTheSenderAndReadsOnlyTheHeader) {
    EXPECT_EQ(CorrespondentOf("From: Ann <Ann@Example.COM>\nList-Id: Tea lovers\n <tea.lists.example.org>\n\nbody"),
              "list-id:tea.lists.example.org");
    EXPECT_EQ(CorrespondentOf("X-BeenThere: irish@linux.ie\r\nFrom: bob@example.com\r\n\r\n"),
              "x-beenthere:irish@linux.ie");
    EXPECT_EQ(CorrespondentOf("Subject: hi\nFROM: Bob@Example.com\n\n"), "from:bob@example.com");
    // A field of the same name in the body (after a blank line, or directly after the header
    // as the add-in joins them), or one whose name only starts alike, is not the sender.
    EXPECT_EQ(CorrespondentOf("Subject: hi\nFrom-Address: x@y.z\n\nFrom: body@example.com\n"), "");
    EXPECT_EQ(CorrespondentOf("Subject: hi\n<html>\nFrom: body@example.com\n"), "");
}

TEST(DealFolds, ByCorrespondentKeepsAListInOneFoldAndDealsSpamInBlocks) {
    std::vector<LabelledMessage> messages;
    for (int i = 0; i < 6; ++i) {
        messages.push_back(Message("List-Id: <tea.example.org>\n\ntea", false));
        messages.push_back(Message("From: person" + std::to_string(i) + "@example.com\n\nhello", false));
        messages.push_back(Message("Subject: win\n\nmoney", true));
    }
    const auto folds = DealFolds(messages, 3, FoldDealing::ByCorrespondent);
    std::set<unsigned> list_folds;
    std::set<unsigned> people_folds;
    std::vector<unsigned> spam_folds;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        ASSERT_LT(folds[i], 3u);
        if (messages[i].spam) {
            spam_folds.push_back(folds[i]);
        } else {
            (messages[i].screening_text.starts_with("List-Id") ? list_folds : people_folds).insert(folds[i]);
        }
    }
    EXPECT_EQ(list_folds.size(), 1u);
    EXPECT_EQ(people_folds.size(), 3u);
    EXPECT_EQ(spam_folds, (std::vector<unsigned>{0, 0, 1, 1, 2, 2}));
    // Interleaved, the list's messages spread over every fold.
    const auto interleaved = DealFolds(messages, 3, FoldDealing::Interleaved);
    EXPECT_NE(interleaved[0], interleaved[3]);
}

using stream::StreamSeed;

TEST(StreamOrder, ShufflesTheMessagesSortedByFileNameTheSameWayWhateverOrderTheyWereReadIn) {
    std::vector<LabelledMessage> messages;
    for (int n = 0; n < 40; ++n) {
        const std::string name = std::to_string(1000 + n) + ".txt";
        messages.push_back({"box", (n % 2 == 0 ? "ham/" : "spam/") + name, "text " + name, n % 2 == 1});
    }
    const auto order = StreamOrderOf(messages);
    std::vector<std::size_t> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::size_t> all(messages.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    EXPECT_EQ(sorted, all) << "every message once";
    EXPECT_NE(order, all) << "shuffled";

    // Read in another order (spam first, reversed), the stream is the same messages in the same order.
    std::vector<LabelledMessage> reread(messages.rbegin(), messages.rend());
    const auto again = StreamOrderOf(reread);
    for (std::size_t at = 0; at < order.size(); ++at) {
        EXPECT_EQ(reread[again[at]].source, messages[order[at]].source);
    }
    std::vector<stream::StreamEntry> entries;
    for (const auto& message : messages) entries.push_back({message.source, message.spam});
    EXPECT_EQ(stream::StreamOrder(entries), order);
    EXPECT_NE(stream::StreamOrder(entries, StreamSeed + 1), order);
}

rules::Dictionary SmallShippedDictionary() {
    std::vector<LabelledMessage> training;
    for (int n = 0; n < 20; ++n) {
        training.push_back(Message("Subject: minutes\r\n\r\nmeeting agenda minutes project", false));
        training.push_back(Message("Subject: offer\r\n\r\ncasino bonus winner jackpot", true));
    }
    return TrainDictionary(training, {});
}

TEST(EvaluateOnline, CorrectsEachWrongOrUnsureVerdictOnceSoThatTheNextOfItsKindIsCaught) {
    rules::Engine engine;
    ASSERT_TRUE(engine.Use(SmallShippedDictionary()));
    // A new campaign the dictionary never saw, four times over, and ham of the known kind.
    std::vector<LabelledMessage> stream;
    for (int n = 0; n < 4; ++n) {
        stream.push_back(Message("Subject: replica watches\r\n\r\nreplica rolex watches cheapest shipping " +
                                     std::to_string(n),
                                 true));
        stream.push_back(Message("Subject: minutes\r\n\r\nmeeting agenda minutes " + std::to_string(n), false));
    }
    std::vector<std::size_t> order(stream.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const OnlineFigures figures = EvaluateOnline(engine, stream, order);
    EXPECT_EQ(figures.corrections, 1u) << "only the first of the campaign was missed";
    EXPECT_EQ(figures.whole.spam, 4u);
    EXPECT_EQ(figures.whole.spam_caught, 3u);
    EXPECT_EQ(figures.whole.ham, 4u);
    EXPECT_EQ(figures.whole.ham_judged_spam, 0u);
    EXPECT_EQ(figures.second_half.spam, 2u);
    EXPECT_EQ(figures.second_half.spam_caught, 2u);
    EXPECT_EQ(engine.Taught().Messages().spam, 1u);
}

TEST(SplitMailboxes, TheEarlierHalfOfEachMailboxInItsOrderTrainsAndTheRestComesLater) {
    std::vector<LabelledMessage> mail;
    for (int n = 0; n < 5; ++n) mail.push_back({"ham", std::to_string(n), "text", false});
    for (int n = 0; n < 2; ++n) mail.push_back({"spam", std::to_string(n), "text", true});
    const MailHalves halves = SplitMailboxes(mail);
    std::vector<std::string> earlier;
    std::vector<std::string> later;
    for (const auto& message : halves.earlier) earlier.push_back(message.mailbox + message.source);
    for (const auto& message : halves.later) later.push_back(message.mailbox + message.source);
    EXPECT_EQ(earlier, (std::vector<std::string>{"ham0", "ham1", "spam0"}));
    EXPECT_EQ(later, (std::vector<std::string>{"ham2", "ham3", "ham4", "spam1"}));
}

TEST(ValidateOnline, StartsFromTheEarlierHalfAndSaysWhenItHoldsNoSpamToTrainOn) {
    std::vector<LabelledMessage> mail;
    for (int n = 0; n < 6; ++n) {
        mail.push_back({"ham", std::to_string(n), "Subject: minutes\r\n\r\nmeeting agenda " + std::to_string(n), false});
    }
    for (int n = 0; n < 6; ++n) {
        mail.push_back({"spam", std::to_string(n), "Subject: offer\r\n\r\ncasino jackpot " + std::to_string(n), true});
    }
    std::ostringstream out;
    EXPECT_TRUE(ValidateOnline(mail, {}, 2, out));
    EXPECT_THAT(out.str(), ::testing::HasSubstr("6 messages in the stream order"));
    EXPECT_THAT(out.str(), ::testing::HasSubstr("a lesson counts as 2 messages"));
    EXPECT_THAT(out.str(), ::testing::HasSubstr("a dictionary of the earlier 6 messages"));

    mail.resize(7);  // one spam message: it falls in the later half
    std::ostringstream refused;
    EXPECT_FALSE(ValidateOnline(mail, {}, 2, refused));
    EXPECT_THAT(refused.str(), ::testing::HasSubstr("no usable dictionary"));
}

}  // namespace
}  // namespace tarn::tools::train
