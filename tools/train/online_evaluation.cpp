#include "tools/train/online_evaluation.h"

#include <array>

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

bool EvaluateOnline(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
                    std::ostream& out) {
    rules::Engine engine;
    if (!engine.Load(dictionary)) {
        out << "The dictionary " << dictionary.string() << " cannot be used: missing, cut short or altered.\n";
        return false;
    }
    out << "Online: " << messages.size() << " messages in the stream order (seed " << stream::StreamSeed
        << "), learning on every error or unsure verdict, from " << dictionary.string() << "\n";
    PrintOnlineFigures(out, EvaluateOnline(engine, messages, StreamOrderOf(messages)));
    return true;
}

}  // namespace tarn::tools::train
