#include "tools/sim/command_line.h"

#include <optional>
#include <string>

namespace tarn::tools::sim {

namespace {

bool IsOption(std::string_view argument) { return argument.size() > 1 && argument.starts_with("-"); }

std::optional<Mode> ModeOf(std::string_view option) {
    if (option == "--help" || option == "-h") return Mode::Help;
    if (option == "--dump") return Mode::Dump;
    return std::nullopt;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    std::optional<Mode> mode;
    bool help = false;
    CommandLine command;
    bool options_ended = false;
    for (const std::string_view argument : arguments) {
        if (options_ended || !IsOption(argument)) {
            command.mailboxes.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            options_ended = true;
            continue;
        }
        const auto chosen = ModeOf(argument);
        if (!chosen) throw UsageError("unknown option: " + std::string(argument));
        if (*chosen == Mode::Help) {
            help = true;
        } else if (mode && *mode != *chosen) {
            throw UsageError("choose one mode");
        } else {
            mode = chosen;
        }
    }
    if (help) return CommandLine{};
    if (!mode) throw UsageError("no mode given");
    if (command.mailboxes.empty()) throw UsageError("no mailbox given");
    command.mode = *mode;
    return command;
}

std::string_view UsageText() {
    return "Usage: tarn4ol-sim --dump MAILBOX...\n"
           "       tarn4ol-sim --help\n"
           "\n"
           "Reads mailboxes and shows each message as Outlook stores it for the add-in.\n"
           "\n"
           "  --dump   for each message: where it came from, then the MAPI string properties\n"
           "           the add-in reads (name, tag, length in bytes, value with control\n"
           "           characters and 8-bit bytes escaped, long values cut)\n"
           "  --help   show this text\n"
           "\n"
           "A MAILBOX is a message file (.eml), an mbox file, a Maildir, a directory of\n"
           "message files (read recursively, in name order) or a SpamAssassin corpus\n"
           "directory (NAME.txt files beside NAME.json copies).\n"
           "\n"
           "Exit status: 0 when every message was read, 1 when some could not be read,\n"
           "2 when the command line is wrong.\n";
}

}  // namespace tarn::tools::sim
