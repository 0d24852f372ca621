#pragma once

#include <ostream>
#include <vector>

#include "tools/train/dictionary_training.h"
#include "tools/train/fold_assignment.h"
#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

// A message rated by a dictionary that did not learn it.
struct ScoredMessage {
    const LabelledMessage* message = nullptr;
    double score = 0.5;
    unsigned rate = 0;
};

// k-fold cross-validation: the messages are dealt into `folds` folds as `dealing` says; each
// fold is rated by the engine over a dictionary trained on the other folds with the options.
// Every message is rated once.
std::vector<ScoredMessage> CrossValidate(const std::vector<LabelledMessage>& messages, const TrainingOptions& options,
                                         unsigned folds, FoldDealing dealing);

// The figures to choose parameters by: for a range of score cutoffs the ham at or above and
// the spam below; the ham judged spam, spam caught and unsure messages at the options'
// cutoffs; the cutoff that keeps ham judged spam at most 0.1%; the highest-scored ham and
// lowest-scored spam.
void PrintCrossValidation(std::ostream& out, const std::vector<ScoredMessage>& scored,
                          const rules::ClassifierParameters& parameters);

}  // namespace tarn::tools::train
