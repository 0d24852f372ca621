#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <vector>

#include "rules/engine.h"
#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

// What a stretch of the stream gave: the ham judged spam (rate 50 or more), the spam caught,
// and the unsure of each kind (rate 30 to 49).
struct StreamFigures {
    std::size_t ham = 0;
    std::size_t ham_judged_spam = 0;
    std::size_t ham_unsure = 0;
    std::size_t spam = 0;
    std::size_t spam_caught = 0;
    std::size_t spam_unsure = 0;
};

struct OnlineFigures {
    StreamFigures whole;
    StreamFigures second_half;
    std::size_t corrections = 0;  // lessons the simulated user gave
};

// The messages arrive in the given order; each is rated, and when the verdict was wrong or
// unsure (ham rated 30 or more, spam rated below 50) the simulated user teaches the engine the
// message's true kind before the next one arrives: training on error.
OnlineFigures EvaluateOnline(rules::Engine& engine, const std::vector<LabelledMessage>& messages,
                             const std::vector<std::size_t>& order);

void PrintOnlineFigures(std::ostream& out, const OnlineFigures& figures);

// The online evaluation of the mail in the stream order, starting from a dictionary file;
// false when the dictionary cannot be used.
bool EvaluateOnline(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
                    std::ostream& out);

}  // namespace tarn::tools::train
