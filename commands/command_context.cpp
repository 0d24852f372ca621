#include "commands/command_context.h"

#include "host/host_error.h"

namespace tarn::commands {

host::ExplorerPtr ActiveExplorer(host::Application& application) {
    auto explorer = application.ActiveExplorer();
    if (!explorer) throw host::HostError("Application.ActiveExplorer", "no main window is open");
    return explorer;
}

host::FolderPtr CurrentFolder(host::Application& application) { return ActiveExplorer(application)->CurrentFolder(); }

}  // namespace tarn::commands
