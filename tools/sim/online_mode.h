#pragma once

#include <ostream>

#include "tools/sim/command_line.h"

namespace tarn::tools::sim {

// The whole add-in on a stream of mail, as the TREC spam track measures filters: the messages
// of the ham and spam mailboxes arrive in the Inbox one at a time, in the project's stream
// order; after each verdict that was wrong or unsure (ham judged spam or left unsure by the
// engine, spam left in the Inbox) the user selects the message where the add-in put it and
// presses "Protect Sender(s)" or "Forbid Sender(s)", which fill the sender lists and, with
// "Learning", teach the engine. Prints the figures over the whole stream and its second half.
// Returns the exit status.
int RunOnline(const CommandLine& command, std::ostream& out, std::ostream& errors);

}  // namespace tarn::tools::sim
