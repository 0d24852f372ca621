#pragma once

#include <ostream>

#include "tools/sim/command_line.h"

namespace tarn::tools::sim {

// Screens the mailboxes of the command line through the add-in: the sent mailboxes first
// (their recipients become friends), then every message of the others arrives in the Inbox.
// Prints one line (or JSON object) per message and the totals; messages that cannot be read
// are named on `errors` and the rest goes on. Returns the exit status.
int RunScreen(const CommandLine& command, std::ostream& out, std::ostream& errors, bool show_progress);

}  // namespace tarn::tools::sim
