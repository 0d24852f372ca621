#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <vector>

#include "rules/engine.h"
#include "tools/stream/online_figures.h"
#include "tools/train/dictionary_training.h"
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

// The online evaluation of the mail in the stream order, starting from a dictionary file, each
// lesson counted `lesson_weight` times; false when the dictionary cannot be used.
bool EvaluateOnline(const std::filesystem::path& dictionary, const std::vector<LabelledMessage>& messages,
                    unsigned lesson_weight, std::ostream& out);

// The messages of each mailbox split in its order: the first half (of an odd count, the
// smaller part) trains, the rest is later mail.
struct MailHalves {
    std::vector<LabelledMessage> earlier;
    std::vector<LabelledMessage> later;
};
MailHalves SplitMailboxes(const std::vector<LabelledMessage>& messages);

// The online evaluation inside training mail, where online choices (the lesson weight, the
// parameters) can be made without looking at held-out mail: a dictionary trained with the
// options on the earlier half of each mailbox starts, and the later halves arrive in the
// stream order. False when the earlier halves give no usable dictionary.
bool ValidateOnline(const std::vector<LabelledMessage>& messages, const TrainingOptions& options,
                    unsigned lesson_weight, std::ostream& out);

}  // namespace tarn::tools::train
