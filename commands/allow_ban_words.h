#pragma once

#include <filesystem>
#include <string>

#include "commands/command_context.h"
#include "store/user_lists.h"

namespace tarn::commands {

// "Allow Word(s)" and "Ban Word(s)" in the main window: the allow/ban dialog on the subject of
// the mail item the user last selected (`current_subject`, kept by the window tracking), when
// the shown folder holds mail. Either button opens the same dialog; the button pressed in it
// decides the list. The lists are reloaded from their files afterwards, however it closed.
void AllowOrBanInMainWindow(const CommandContext& context, const std::string& current_subject,
                            store::UserLists& lists, const std::filesystem::path& installation_directory);

// The same in a message window, on its message: the entry starts with the text selected in the
// message's editor, else the window's caption; for a message the built-in editor shows without
// an HTML document (plain text), the body goes into the body pane to select from.
void AllowOrBanInMessageWindow(const CommandContext& context, store::UserLists& lists,
                               const std::filesystem::path& installation_directory);

}  // namespace tarn::commands
