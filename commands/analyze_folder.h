#pragma once

#include <filesystem>

#include "commands/command_context.h"
#include "quarantine/inbox_report.h"
#include "screening/alphabet_tokens.h"
#include "screening/rules_engine.h"
#include "screening/screening_rules.h"
#include "store/settings.h"

namespace tarn::commands {

// What the folder analysis judges the mail by: the tests over the user's lists, the blocked
// alphabets (rebuilt from the settings at each run), the settings and the rating engine.
struct ScreeningTools {
    const screening::ScreeningRules& rules;
    screening::AlphabetTokens& alphabets;
    const store::Settings& settings;
    screening::RulesEngine& engine;
};

// The "Complete Analysis of the Current Folder" command: screens every mail item of the folder
// the active main window shows, from the last to the first, as new mail is screened (whether
// or not the user paused the add-in), with the progress window and a message pump per item.
// Spam is moved to the spam destination in batches of 50, each moved message adding its row
// to the pending inbox report; when spam was found, the folder report "temp.htm" is written
// into the installation directory and opened. Cancel stops before the next item; what was
// found is still moved and reported. A failure of one batch slot is ignored; any other failure
// ends the run, moves what is pending, writes no report and reaches the caller.
void AnalyzeCurrentFolder(const CommandContext& context, const ScreeningTools& tools, quarantine::InboxReport& report,
                          const std::filesystem::path& installation_directory);

}  // namespace tarn::commands
