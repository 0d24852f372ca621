#pragma once

#include <map>
#include <string>

#include "addin/tarn_addin.h"

namespace tarn::tools::sim {

// The kind of verdict, for counting and for the "decision" of a message's JSON object:
// "friend sender", "protected word", the local test's reason word ("Banned Sender",
// "Alphabet", "English"...), "rating engine" (rated 50 or more), "rated below 50",
// "not screened", "failed".
std::string VerdictKind(const addin::ScreeningOutcome& outcome);

// The totals of one run.
struct ScreeningTally {
    int screened = 0;      // messages that arrived in the Inbox
    int spam = 0;
    int moved = 0;         // spam that left the Inbox
    int unreadable = 0;    // messages, files or mailboxes the importer could not read
    std::map<std::string, int> by_kind;

    void Count(const addin::ScreeningOutcome& outcome);
    int LeftInInbox() const { return screened - moved; }
};

}  // namespace tarn::tools::sim
