#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/train/labelled_messages.h"

namespace tarn::tools::train {

// How cross-validation deals messages into folds.
enum class FoldDealing {
    // Message i of its kind goes into fold i mod folds: every fold looks like the whole mail.
    Interleaved,
    // Ham folds hold out whole correspondents (every message of one mailing list or one
    // sender lands in the same fold); spam folds are blocks in mailbox order. A fold then
    // holds lists, people and spam campaigns its dictionary never saw, as new mail does:
    // interleaved folds flatter features that only recognise a known list or campaign.
    ByCorrespondent,
};

// Who a message comes from, for holding out correspondents: its mailing list (List-Id,
// X-BeenThere, List-Post) or else its sender's address (Sender, From), lower case; empty
// when the header names none.
std::string CorrespondentOf(std::string_view screening_text);

// The fold of each message, 0 to folds - 1.
std::vector<unsigned> DealFolds(const std::vector<LabelledMessage>& messages, unsigned folds, FoldDealing dealing);

}  // namespace tarn::tools::train
