#include "tools/train/online_evaluation.h"

#include <array>

#include "rules/rate_scale.h"
#include "rules/tarnrules_api.h"
#include "tools/train/message_stream.h"
#include "tools/train/report_format.h"

namespace tarn::tools::train {

namespace {

void Count(StreamFigures& figures, bool spam, unsigned rate) {
    const bool judged_spam = rate >= rules::FirstSpamRate;
    const bool unsure = !judged_spam && rate >= rules::FirstUnsureRate;
    if (spam) {
        ++figures.spam;
        figures.spam_caught += judged_spam ? 1 : 0;
        figures.spam_unsure += unsure ? 1 : 0;
    } else {
        ++figures.ham;
        figures.ham_judged_spam += judged_spam ? 1 : 0;
        figures.ham_unsure += unsure ? 1 : 0;
    }
}

void PrintStretch(std::ostream& out, const char* name, const StreamFigures& figures) {
    out << name << ": ham " << figures.ham << ", judged spam " << CountAndShare(figures.ham_judged_spam, figures.ham)
        << ", unsure " << CountAndShare(figures.ham_unsure, figures.ham) << "; spam " << figures.spam << ", caught "
        << CountAndShare(figures.spam_caught, figures.spam) << ", unsure "
        << CountAndShare(figures.spam_unsure, figures.spam) << '\n';
}

}  // namespace

OnlineFigures EvaluateOnline(rules::Engine& engine, const std::vector<LabelledMessage>& messages,
                             const std::vector<std::size_t>& order) {
    OnlineFigures figures;
    std::array<char, VerdictBufferSize> verdict{};
    for (std::size_t at = 0; at < order.size(); ++at) {
        const LabelledMessage& message = messages[order[at]];
        const unsigned rate = engine.Analyze(message.screening_text, verdict);
        Count(figures.whole, message.spam, rate);
        if (2 * at >= order.size()) Count(figures.second_half, message.spam, rate);
        const bool corrected = message.spam ? rate < rules::FirstSpamRate : rate >= rules::FirstUnsureRate;
        if (corrected && engine.Learn(message.screening_text, message.spam)) ++figures.corrections;
    }
    return figures;
}

void PrintOnlineFigures(std::ostream& out, const OnlineFigures& figures) {
    PrintStretch(out, "Whole stream", figures.whole);
    PrintStretch(out, "Second half ", figures.second_half);
    out << "Corrections (lessons on error or unsure): " << figures.corrections << '\n';
}

bool EvaluateOnline(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
                    std::ostream& out) {
    rules::Engine engine;
    if (!engine.Load(dictionary)) {
        out << "The dictionary " << dictionary.string() << " cannot be used: missing, cut short or altered.\n";
        return false;
    }
    out << "Online: " << messages.size() << " messages in the stream order (seed " << StreamSeed
        << "), learning on every error or unsure verdict, from " << dictionary.string() << "\n";
    PrintOnlineFigures(out, EvaluateOnline(engine, messages, StreamOrder(messages)));
    return true;
}

}  // namespace tarn::tools::train
