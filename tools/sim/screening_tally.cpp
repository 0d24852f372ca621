#include "tools/sim/screening_tally.h"

namespace tarn::tools::sim {

std::string VerdictKind(const addin::ScreeningOutcome& outcome) {
    using Decision = addin::ScreeningOutcome::Decision;
    switch (outcome.decision) {
        case Decision::NotScreened: return "not screened";
        case Decision::FriendSender: return "friend sender";
        case Decision::ProtectedWord: return "protected word";
        case Decision::Failed: return "failed";
        case Decision::Engine: return outcome.spam ? "rating engine" : "rated below 50";
        case Decision::LocalTest: break;
    }
    // The local test's word, without the marks around it: ">Alphabet>" is "Alphabet",
    // "English: 60%>" is "English".
    std::string word = outcome.reason;
    const auto start = word.find_first_not_of(">-");
    word = start == std::string::npos ? std::string() : word.substr(start);
    const auto end = word.find_first_of(":>");
    return end == std::string::npos ? word : word.substr(0, end);
}

void ScreeningTally::Count(const addin::ScreeningOutcome& outcome) {
    ++screened;
    if (outcome.spam) ++spam;
    if (outcome.moved) ++moved;
    ++by_kind[VerdictKind(outcome)];
}

}  // namespace tarn::tools::sim
