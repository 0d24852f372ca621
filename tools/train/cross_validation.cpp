#include "tools/train/cross_validation.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "rules/engine.h"
#include "tools/stream/report_format.h"

namespace tarn::tools::train {

using stream::CountAndShare;
using stream::Fixed;

namespace {

constexpr std::array<double, 24> Cutoffs = {0.05, 0.10, 0.15, 0.20, 0.25,  0.30,  0.40,  0.50,
                                            0.60, 0.70, 0.80, 0.85, 0.90,  0.92,  0.94,  0.95,
                                            0.96, 0.97, 0.98, 0.99, 0.995, 0.998, 0.999, 0.9999};
// The shares of ham judged spam at which the spam caught is shown.
constexpr std::array<double, 2> HamShares = {0.001, 0.003};
constexpr std::size_t ExtremesShown = 8;

struct Outcome {
    bool spam = false;
    std::size_t screened = 0;
    std::size_t judged_spam = 0;
    std::size_t unsure = 0;
};

struct Tally {
    std::size_t ham = 0;
    std::size_t spam = 0;
    std::size_t ham_at_or_above = 0;
    std::size_t spam_below = 0;
};

Tally CountAt(const std::vector<ScoredMessage>& scored, double cutoff) {
    Tally tally;
    for (const ScoredMessage& rated : scored) {
        if (rated.message->spam) {
            ++tally.spam;
            tally.spam_below += rated.score < cutoff ? 1 : 0;
        } else {
            ++tally.ham;
            tally.ham_at_or_above += rated.score >= cutoff ? 1 : 0;
        }
    }
    return tally;
}

}  // namespace

std::vector<ScoredMessage> CrossValidate(const std::vector<LabelledMessage>& messages, const TrainingOptions& options,
                                         unsigned folds, FoldDealing dealing) {
    const std::vector<TokenSet> tokens = TokenSetsOf(messages);
    const std::vector<unsigned> fold_of = DealFolds(messages, folds, dealing);

    std::vector<ScoredMessage> scored;
    rules::Engine engine;
    for (unsigned fold = 0; fold < folds; ++fold) {
        std::vector<TrainingMessage> training;
        for (std::size_t i = 0; i < messages.size(); ++i) {
            if (fold_of[i] != fold) training.push_back({&tokens[i], messages[i].spam});
        }
        if (!engine.Use(TrainDictionary(training, options))) continue;
        for (std::size_t i = 0; i < messages.size(); ++i) {
            if (fold_of[i] != fold) continue;
            const auto rating = engine.Rate(messages[i].screening_text);
            scored.push_back({&messages[i], rating.score, rating.rate});
        }
    }
    return scored;
}

void PrintCrossValidation(std::ostream& out, const std::vector<ScoredMessage>& scored,
                          const rules::ClassifierParameters& parameters) {
    const Tally all = CountAt(scored, 0.0);
    out << "Cross-validation over " << all.ham << " ham and " << all.spam << " spam messages\n\n";
    out << "cutoff   ham at or above      spam below\n";
    for (const double cutoff : Cutoffs) {
        const Tally tally = CountAt(scored, cutoff);
        std::string line = Fixed(cutoff, 4);
        line.resize(9, ' ');
        line += CountAndShare(tally.ham_at_or_above, tally.ham);
        line.resize(30, ' ');
        out << line << CountAndShare(tally.spam_below, tally.spam) << '\n';
    }

    out << "\nAt the cutoffs ham " << Fixed(parameters.ham_cutoff, 4) << ", spam " << Fixed(parameters.spam_cutoff, 4)
        << " (rates 30 and 50):\n";
    std::map<std::string, Outcome> by_mailbox;
    for (const ScoredMessage& rated : scored) {
        Outcome& outcome = by_mailbox[rated.message->mailbox];
        outcome.spam = rated.message->spam;
        ++outcome.screened;
        if (rated.score >= parameters.spam_cutoff) {
            ++outcome.judged_spam;
        } else if (rated.score >= parameters.ham_cutoff) {
            ++outcome.unsure;
        }
    }
    for (const auto& [mailbox, outcome] : by_mailbox) {
        out << "  " << mailbox << ": " << outcome.screened << (outcome.spam ? " spam, caught " : " ham, judged spam ")
            << CountAndShare(outcome.judged_spam, outcome.screened) << ", unsure "
            << CountAndShare(outcome.unsure, outcome.screened) << '\n';
    }

    std::vector<const ScoredMessage*> ham;
    std::vector<const ScoredMessage*> spam;
    for (const ScoredMessage& rated : scored) (rated.message->spam ? spam : ham).push_back(&rated);
    const auto by_score = [](const ScoredMessage* a, const ScoredMessage* b) { return a->score < b->score; };
    std::sort(ham.begin(), ham.end(), by_score);
    std::sort(spam.begin(), spam.end(), by_score);
    for (const double share : HamShares) {
        const auto allowed = static_cast<std::size_t>(share * static_cast<double>(ham.size()));
        if (ham.size() <= allowed) continue;
        const double above = ham[ham.size() - 1 - allowed]->score;
        const auto caught =
            std::count_if(spam.begin(), spam.end(), [&](const ScoredMessage* rated) { return rated->score > above; });
        out << (share == HamShares.front() ? "\n" : "") << "A spam cutoff above " << Fixed(above, 6)
            << " keeps ham judged spam at " << allowed << " (" << Fixed(100 * share, 1) << "%) and catches "
            << CountAndShare(static_cast<std::size_t>(caught), spam.size()) << " of the spam\n";
    }
    out << "\nHam scored highest:\n";
    for (std::size_t i = 0; i < std::min(ExtremesShown, ham.size()); ++i) {
        const ScoredMessage& rated = *ham[ham.size() - 1 - i];
        out << "  " << Fixed(rated.score, 6) << "  " << rated.message->source << '\n';
    }
    out << "Spam scored lowest:\n";
    for (std::size_t i = 0; i < std::min(ExtremesShown, spam.size()); ++i) {
        out << "  " << Fixed(spam[i]->score, 6) << "  " << spam[i]->message->source << '\n';
    }
}

}  // namespace tarn::tools::train
