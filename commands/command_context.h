#pragma once

#include "dialogs/dialog_factory.h"
#include "host/application.h"
#include "platform/services.h"
#include "screening/mail_item_view.h"
#include "store/captions.h"

namespace tarn::commands {

// What every toolbar command works with: Outlook, the captions of its windows, the windows
// themselves, the system's services and the view that reads the mail.
struct CommandContext {
    host::Application& application;
    const store::Captions& captions;
    dialogs::DialogFactory& dialogs;
    platform::Services& services;
    const screening::MailItemView& view;
};

// The active main window; HostError when none is open.
host::ExplorerPtr ActiveExplorer(host::Application& application);
// The folder the active main window shows; HostError when no main window is open.
host::FolderPtr CurrentFolder(host::Application& application);

}  // namespace tarn::commands
