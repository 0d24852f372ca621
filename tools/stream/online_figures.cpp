#include "tools/stream/online_figures.h"

#include <string>

#include "tools/stream/report_format.h"

namespace tarn::tools::stream {

namespace {

void PrintStretch(std::ostream& out, const char* name, const StreamFigures& figures) {
    out << name << ": ham " << figures.ham << ", judged spam " << CountAndShare(figures.ham_judged_spam, figures.ham)
        << ", unsure " << CountAndShare(figures.ham_unsure, figures.ham) << "; spam " << figures.spam << ", caught "
        << CountAndShare(figures.spam_caught, figures.spam) << ", unsure "
        << CountAndShare(figures.spam_unsure, figures.spam) << '\n';
}

}  // namespace

void StreamFigures::Count(bool spam_message, bool judged_spam, bool unsure) {
    if (spam_message) {
        ++spam;
        spam_caught += judged_spam ? 1 : 0;
        spam_unsure += unsure ? 1 : 0;
    } else {
        ++ham;
        ham_judged_spam += judged_spam ? 1 : 0;
        ham_unsure += unsure ? 1 : 0;
    }
}

void OnlineFigures::Count(std::size_t position, std::size_t length, bool spam_message, bool judged_spam, bool unsure) {
    whole.Count(spam_message, judged_spam, unsure);
    if (2 * position >= length) second_half.Count(spam_message, judged_spam, unsure);
}

bool NeedsCorrection(bool spam_message, bool judged_spam, bool unsure) noexcept {
    return spam_message ? !judged_spam : judged_spam || unsure;
}

void PrintOnlineFigures(std::ostream& out, const OnlineFigures& figures) {
    PrintStretch(out, "Whole stream", figures.whole);
    PrintStretch(out, "Second half ", figures.second_half);
    out << "Corrections (lessons on error or unsure): " << figures.corrections << '\n';
}

}  // namespace tarn::tools::stream
