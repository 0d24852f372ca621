#include "tools/train/online_evaluation.h"

#include <array>
#include <map>
#include <string>

#include "rules/rate_scale.h"
#include "rules/tarnrules_api.h"
#include "tools/stream/message_stream.h"

namespace tarn::tools::train {

OnlineFigures EvaluateOnline(rules::Engine& engine, const std::vector<LabelledMessage>& messages,
                             const std::vector<std::size_t>& order) {
    OnlineFigures figures;
    std::array<char, VerdictBufferSize> verdict{};
    for (std::size_t at = 0; at < order.size(); ++at) {
        const LabelledMessage& message = messages[order[at]];
        const unsigned rate = engine.Analyze(message.screening_text, verdict);
        const bool judged_spam = rate >= rules::FirstSpamRate;
        const bool unsure = !judged_spam && rate >= rules::FirstUnsureRate;
        figures.Count(at, order.size(), message.spam, judged_spam, unsure);
        if (stream::NeedsCorrection(message.spam, judged_spam, unsure) &&
            engine.Learn(message.screening_text, message.spam)) {
            ++figures.corrections;
        }
    }
    return figures;
}

std::vector<std::size_t> StreamOrderOf(const std::vector<LabelledMessage>& messages) {
    std::vector<stream::StreamEntry> entries;
    entries.reserve(messages.size());
    for (const LabelledMessage& message : messages) entries.push_back({message.source, message.spam});
    return stream::StreamOrder(entries);
}

namespace {

void PrintOnline(rules::Engine& engine, const std::vector<LabelledMessage>& messages, std::string_view start,
                 std::ostream& out) {
    out << "Online: " << messages.size() << " messages in the stream order (seed " << stream::StreamSeed
        << "), learning on every error or unsure verdict (a lesson counts as " << engine.LessonWeight()
        << (engine.LessonWeight() == 1 ? " message" : " messages") << "), from " << start << "\n";
    PrintOnlineFigures(out, EvaluateOnline(engine, messages, StreamOrderOf(messages)));
}

}  // namespace

bool EvaluateOnline(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
                    unsigned lesson_weight, std::ostream& out) {
    rules::Engine engine(lesson_weight);
    if (!engine.Load(dictionary)) {
        out << "The dictionary " << dictionary.string() << " cannot be used: missing, cut short or altered.\n";
        return false;
    }
    PrintOnline(engine, messages, dictionary.string(), out);
    return true;
}

MailHalves SplitMailboxes(const std::vector<LabelledMessage>& messages) {
    std::map<std::string, std::size_t> size;
    for (const LabelledMessage& message : messages) ++size[message.mailbox];
    std::map<std::string, std::size_t> seen;
    MailHalves halves;
    for (const LabelledMessage& message : messages) {
        const bool earlier = 2 * seen[message.mailbox]++ < size[message.mailbox] - size[message.mailbox] % 2;
        (earlier ? halves.earlier : halves.later).push_back(message);
    }
    return halves;
}

bool ValidateOnline(const std::vector<LabelledMessage>& messages, const TrainingOptions& options,
                    unsigned lesson_weight, std::ostream& out) {
    const MailHalves halves = SplitMailboxes(messages);
    rules::Engine engine(lesson_weight);
    if (!engine.Use(TrainDictionary(halves.earlier, options))) {
        out << "The earlier half of the mail gives no usable dictionary (ham and spam are both needed).\n";
        return false;
    }
    PrintOnline(engine, halves.later,
                "a dictionary of the earlier " + std::to_string(halves.earlier.size()) + " messages", out);
    return true;
}

}  // namespace tarn::tools::train
