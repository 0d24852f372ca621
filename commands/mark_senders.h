#pragma once

#include "commands/command_context.h"
#include "screening/rules_engine.h"
#include "store/settings.h"
#include "store/user_lists.h"

namespace tarn::commands {

// Whom the user judges the senders of the selected messages to be.
enum class SenderVerdict { Friends, Foes };

// The "Protect Sender(s)" and "Forbid Sender(s)" commands, on the active main window's
// selection whichever window the button is in: each selected mail item's sender joins the
// friend (or banned) senders and leaves the other list, and the message moves to the Inbox
// (or to the spam destination), as does every other mail item of the shown folder from one of
// those senders exactly as written. A message whose sender cannot be read moves but marks no
// sender. Both list files are written at once (the other only when an entry left it). With
// the setting "Learning" each selected mail item also teaches the rating engine: a foe's
// message is spam, a friend's ham (a lesson that it was spam is taken back first). A message
// the user sent (in Sent Items: a conversation view selects them too) is neither marked nor
// moved. No more than one message is held at a time (a selection or a folder of any size stays
// inside an Exchange server's limit of open messages). Nothing is shown; a failure with one
// message is written down and the others go on, a list file that cannot be written ends the
// command before the sweep and reaches the caller.
void MarkSenders(const CommandContext& context, SenderVerdict verdict, store::UserLists& lists,
                 const store::Settings& settings, screening::RulesEngine& engine);

}  // namespace tarn::commands
