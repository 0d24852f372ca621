#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "rules/dictionary.h"
#include "tools/train/token_sets.h"

namespace tarn::tools::train {

struct TrainingOptions {
    rules::ClassifierParameters parameters;
    // Tokens seen in fewer messages than this are left out of the dictionary.
    std::uint32_t min_messages = 1;
};

// A message's token set and whether it is spam.
struct TrainingMessage {
    const TokenSet* tokens = nullptr;
    bool spam = false;
};

// The dictionary of the messages: in how many ham and spam messages each token was seen,
// with the options' parameters. The same messages always give the same dictionary.
rules::Dictionary TrainDictionary(const std::vector<TrainingMessage>& messages, const TrainingOptions& options);

// The dictionary of labelled messages, each tokenized as the engine tokenizes it.
rules::Dictionary TrainDictionary(const std::vector<LabelledMessage>& messages, const TrainingOptions& options);

}  // namespace tarn::tools::train
