#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <vector>

#include "rules/engine.h"
#include "tools/stream/online_figures.h"
#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

using stream::OnlineFigures;

// The messages arrive in the given order; each is rated, and when the verdict was wrong or
// unsure (ham rated 30 or more, spam rated below 50) the simulated user teaches the engine the
// message's true kind before the next one arrives: training on error.
OnlineFigures EvaluateOnline(rules::Engine& engine, const std::vector<LabelledMessage>& messages,
                             const std::vector<std::size_t>& order);

// The messages in the project's stream order, as that order sees them.
std::vector<std::size_t> StreamOrderOf(const std::vector<LabelledMessage>& messages);

// The online evaluation of the mail in the stream order, starting from a dictionary file;
// false when the dictionary cannot be used.
bool EvaluateOnline(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
                    std::ostream& out);

}  // namespace tarn::tools::train
