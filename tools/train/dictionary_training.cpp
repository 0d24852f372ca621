#include "tools/train/dictionary_training.h"

#include <algorithm>
#include <unordered_map>

namespace tarn::tools::train {

rules::Dictionary TrainDictionary(const std::vector<TrainingMessage>& messages, const TrainingOptions& options) {
    rules::Dictionary dictionary;
    dictionary.parameters = options.parameters;
    std::unordered_map<std::uint64_t, rules::TokenCounts> counts;
    for (const TrainingMessage& message : messages) {
        (message.spam ? dictionary.spam_messages : dictionary.ham_messages) += 1;
        for (const std::uint64_t key : *message.tokens) {
            rules::TokenCounts& token = counts[key];
            token.hash = key;
            (message.spam ? token.spam : token.ham) += 1;
        }
    }
    for (const auto& [key, token] : counts) {
        if (token.ham + token.spam >= options.min_messages) dictionary.tokens.push_back(token);
    }
    std::sort(dictionary.tokens.begin(), dictionary.tokens.end(),
              [](const rules::TokenCounts& a, const rules::TokenCounts& b) { return a.hash < b.hash; });
    return dictionary;
}

rules::Dictionary TrainDictionary(const std::vector<LabelledMessage>& messages, const TrainingOptions& options) {
    const std::vector<TokenSet> sets = TokenSetsOf(messages);
    std::vector<TrainingMessage> training;
    for (std::size_t i = 0; i < messages.size(); ++i) training.push_back({&sets[i], messages[i].spam});
    return TrainDictionary(training, options);
}

}  // namespace tarn::tools::train
