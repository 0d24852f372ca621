#include "commands/command_context.h"

#include "host/host_error.h"

namespace tarn::commands {

host::FolderPtr CurrentFolder(host::Application& application) {
    const auto explorer = application.ActiveExplorer();
    if (!explorer) throw host::HostError("Application.ActiveExplorer", "no main window is open");
    return explorer->CurrentFolder();
}

}  // namespace tarn::commands
