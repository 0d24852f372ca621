#pragma once

#include "dialogs/dialog_factory.h"
#include "host/application.h"
#include "platform/services.h"
#include "screening/mail_item_view.h"
#include "store/captions.h"

namespace tarn::commands {

// The "Empty Quarantine Folder" command: every mail item of the quarantine folder is deleted
// (to Deleted Items), from the last to the first, with the progress window and a message pump
// per item; the window's cancel button stops before the next item. Items that are not mail
// stay. A failure to delete one item is shown in the window and the walk goes on; any other
// failure ends the command and reaches the caller, the window closed.
void EmptyQuarantine(host::Application& application, const store::Captions& captions, dialogs::DialogFactory& dialogs,
                     platform::Services& services, const screening::MailItemView& view);

}  // namespace tarn::commands
