#pragma once

#include <filesystem>
#include <functional>

#include "commands/command_context.h"
#include "store/settings.h"
#include "store/user_lists.h"

namespace tarn::commands {

// The "Options" command: fills the options dialog from the settings and from the list files
// (written first, so that they hold the lists as they are), shows it, takes every setting back
// however it closes and writes them to the registry, re-arms the report timer, reads the lists
// again when an editor changed them, and scans the address book when the user asked for it. A
// list file that cannot be written before the dialog opens ends the command, to the caller.
void ShowOptions(const CommandContext& context, store::Settings& settings, store::UserLists& lists,
                 const std::filesystem::path& installation_directory, const std::function<void()>& rearm_report_timer);

}  // namespace tarn::commands
