#pragma once

#include "commands/command_context.h"

namespace tarn::commands {

// The "Empty Quarantine Folder" command: every mail item of the quarantine folder is deleted
// (to Deleted Items), from the last to the first, with the progress window and a message pump
// per item; the window's cancel button stops before the next item. Items that are not mail
// stay. A failure to delete one item is shown in the window and the walk goes on; any other
// failure ends the command and reaches the caller, the window closed.
void EmptyQuarantine(const CommandContext& context);

}  // namespace tarn::commands
