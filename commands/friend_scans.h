#pragma once

#include "commands/command_context.h"
#include "store/settings.h"
#include "store/user_lists.h"

namespace tarn::commands {

// The three scans that fill the friend senders from what the user already trusts, each a walk
// of one collection from its first item with the progress window, a message pump per item and
// cancel before the next item. They add to the friend senders only: nothing is moved, no other
// list changes. A failure with one item is written down and the walk goes on.

// The e-mail address of every contact of the default Contacts folder. The friend senders
// file is written at the end, also when the walk fails (that failure then reaches the caller).
void ScanContacts(const CommandContext& context, store::UserLists& lists);

// Every recipient's address of every message of Sent Items, unless the add-in is paused. The
// list is normalized at the end and its file written, also when the walk fails.
void ProtectSentMail(const CommandContext& context, store::UserLists& lists, const store::Settings& settings);

// The "Protect current folder" command: the addresses in every sender of the mail folder the
// active main window shows; nothing for a folder of other items. The list is normalized at
// the end and its file written, also when the walk fails; a file that cannot be written
// reaches the caller.
void ProtectCurrentFolder(const CommandContext& context, store::UserLists& lists);

}  // namespace tarn::commands
