#pragma once

#include <ostream>

#include "store/settings.h"
#include "tools/sim/command_line.h"

namespace tarn::tools::sim {

// Screens the mailboxes of the command line through the add-in: the sent mailboxes first
// (their recipients become friends), then every message of the others arrives in the Inbox.
// Prints one line (or JSON object) per message and the totals; messages that cannot be read
// are named on `errors` and the rest goes on. Returns the exit status.
int RunScreen(const CommandLine& command, std::ostream& out, std::ostream& errors, bool show_progress);

// The settings with those of the command line (--set) over them; UsageError for a setting
// that does not exist or a value out of its range.
store::Settings WithOverrides(store::Settings settings, const CommandLine& command);

}  // namespace tarn::tools::sim
