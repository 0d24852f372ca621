#include "tools/train/evaluation.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <string>

#include "rules/engine.h"
#include "rules/rate_scale.h"
#include "rules/tarnrules_api.h"
#include "tools/stream/report_format.h"

namespace tarn::tools::train {

using stream::CountAndShare;
using stream::Fixed;

namespace {

using Clock = std::chrono::steady_clock;

// Each message is rated this many times for the timing, in rounds over all of them.
constexpr int TimingRounds = 5;

double Microseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::micro>(duration).count();
}

struct Group {
    std::size_t screened = 0;
    std::size_t spam = 0;    // rate 50 or more
    std::size_t unsure = 0;  // rate 30 to 49
};

}  // namespace

bool Evaluate(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
              std::ostream& out) {
    rules::Engine engine;
    const auto load_start = Clock::now();
    const bool loaded = engine.Load(dictionary);
    const double load_ms = Microseconds(Clock::now() - load_start) / 1000.0;
    if (!loaded) {
        out << "The dictionary " << dictionary.string() << " cannot be used: missing, cut short or altered.\n";
        return false;
    }
    const auto& p = engine.Parameters();
    out << "Dictionary " << dictionary.string() << ": " << engine.Table().Size() << " tokens, loaded in "
        << Fixed(load_ms, 1) << " ms, lookup table "
        << Fixed(static_cast<double>(engine.Table().MemoryBytes()) / 1048576.0, 1) << " MB\n"
        << "Score cutoffs: ham " << Fixed(p.ham_cutoff, 4) << " (rate " << rules::FirstUnsureRate << "), spam "
        << Fixed(p.spam_cutoff, 4) << " (rate " << rules::FirstSpamRate << ")\n\n";

    std::array<Group, 2> groups;  // ham, spam
    std::vector<double> times;
    std::vector<std::string> ham_judged_spam;
    std::array<char, VerdictBufferSize> verdict{};
    for (const LabelledMessage& message : messages) {
        const auto start = Clock::now();
        const unsigned rate = engine.Analyze(message.screening_text.c_str(), verdict);
        times.push_back(Microseconds(Clock::now() - start));
        Group& group = groups[message.spam ? 1 : 0];
        ++group.screened;
        if (rate >= rules::FirstSpamRate) {
            ++group.spam;
            if (!message.spam) {
                ham_judged_spam.push_back("  rate " + std::to_string(rate) + "  " + message.source + "\n    " +
                                          verdict.data());
            }
        } else if (rate >= rules::FirstUnsureRate) {
            ++group.unsure;
        }
    }
    const Group& ham = groups[0];
    const Group& spam = groups[1];
    out << "Ham:  " << ham.screened << " screened, judged spam " << CountAndShare(ham.spam, ham.screened)
        << ", unsure (rate 30-49) " << CountAndShare(ham.unsure, ham.screened) << '\n'
        << "Spam: " << spam.screened << " screened, caught " << CountAndShare(spam.spam, spam.screened)
        << ", unsure (rate 30-49) " << CountAndShare(spam.unsure, spam.screened) << ", rated below 30 "
        << CountAndShare(spam.screened - spam.spam - spam.unsure, spam.screened) << '\n';
    if (!ham_judged_spam.empty()) {
        out << "\nHam judged spam:\n";
        for (const auto& line : ham_judged_spam) out << line << '\n';
    }
    for (int round = 1; round < TimingRounds; ++round) {
        for (const LabelledMessage& message : messages) {
            const auto start = Clock::now();
            engine.Analyze(message.screening_text.c_str(), verdict);
            times.push_back(Microseconds(Clock::now() - start));
        }
    }
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        out << "\nRating (the work of AnalyzeThisSpit), each message " << TimingRounds << " times: median "
            << Fixed(times[times.size() / 2], 1) << " us, 90th percentile " << Fixed(times[times.size() * 9 / 10], 1)
            << " us\n";
    }
    return true;
}

}  // namespace tarn::tools::train
