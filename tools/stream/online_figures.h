#pragma once

#include <cstddef>
#include <ostream>

namespace tarn::tools::stream {

// What a stretch of the stream gave: the ham judged spam, the spam caught, and the unsure of
// each kind (the engine rated them 30 to 49 and nothing else judged them).
struct StreamFigures {
    std::size_t ham = 0;
    std::size_t ham_judged_spam = 0;
    std::size_t ham_unsure = 0;
    std::size_t spam = 0;
    std::size_t spam_caught = 0;
    std::size_t spam_unsure = 0;

    void Count(bool spam_message, bool judged_spam, bool unsure);
};

struct OnlineFigures {
    StreamFigures whole;
    StreamFigures second_half;
    std::size_t corrections = 0;  // lessons the simulated user gave

    // The verdict on the message at `position` of a stream of `length` messages.
    void Count(std::size_t position, std::size_t length, bool spam_message, bool judged_spam, bool unsure);
};

// Whether the simulated user corrects a verdict: one that was wrong or unsure.
bool NeedsCorrection(bool spam_message, bool judged_spam, bool unsure) noexcept;

void PrintOnlineFigures(std::ostream& out, const OnlineFigures& figures);

}  // namespace tarn::tools::stream
