#include "tools/sim/command_line.h"

#include "platform/codepage.h"

namespace tarn::tools::sim {

namespace {

bool IsOption(std::string_view argument) { return argument.size() > 1 && argument.starts_with("-"); }

// Walks the arguments; an option's value is the next argument or follows "=".
class Arguments {
public:
    explicit Arguments(const std::vector<std::string_view>& arguments) : arguments_(arguments) {}
    bool Done() const { return next_ == arguments_.size(); }
    std::string_view Next() { return arguments_[next_++]; }
    // The value written after "=" in the option itself, or else the next argument.
    std::string_view ValueOf(std::string_view argument) {
        const auto equals = argument.find('=');
        if (equals != std::string_view::npos) return argument.substr(equals + 1);
        if (Done()) throw UsageError(std::string(argument) + " needs a value");
        return Next();
    }

private:
    const std::vector<std::string_view>& arguments_;
    std::size_t next_ = 0;
};

std::pair<std::string, std::string> SettingOf(std::string_view assignment) {
    const auto equals = assignment.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        throw UsageError("--set takes NAME=VALUE, not \"" + std::string(assignment) + "\"");
    }
    return {std::string(assignment.substr(0, equals)), std::string(assignment.substr(equals + 1))};
}

// --outlook: a version of classic Outlook for Windows, by its year or as 365.
host::sim::OutlookVersion OutlookOf(std::string_view version) {
    using host::sim::OutlookVersion;
    for (const std::string_view old : {"2000", "2002", "2003", "2007"}) {
        if (version == old) return OutlookVersion::Outlook2007;
    }
    for (const std::string_view today : {"2010", "2013", "2016", "2019", "2021", "2024", "365"}) {
        if (version == today) return OutlookVersion::Outlook2016;
    }
    throw UsageError("--outlook takes a version of Outlook for Windows: 2000, 2002, 2003, 2007, 2010, 2013, 2016, "
                     "2019, 2021, 2024 or 365, not \"" + std::string(version) + "\"");
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine command;
    bool dump = false;
    bool help = false;
    bool online = false;
    bool options_ended = false;
    Arguments walk(arguments);
    while (!walk.Done()) {
        const std::string_view argument = walk.Next();
        if (options_ended || !IsOption(argument)) {
            command.mailboxes.emplace_back(argument);
            continue;
        }
        const std::string_view option = argument.substr(0, argument.find('='));
        if (argument == "--") {
            options_ended = true;
        } else if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--dump") {
            dump = true;
        } else if (argument == "--online") {
            online = true;
        } else if (option == "--ham") {
            command.ham_mailboxes.emplace_back(walk.ValueOf(argument));
        } else if (option == "--spam") {
            command.spam_mailboxes.emplace_back(walk.ValueOf(argument));
        } else if (argument == "--json") {
            command.json = true;
        } else if (argument == "--show-toolbars") {
            command.show_toolbars = true;
        } else if (option == "--click") {
            const std::string_view tag = walk.ValueOf(argument);
            if (tag.empty()) throw UsageError("--click takes the tag of a toolbar button, such as btnCurrentReport");
            command.clicks.push_back({platform::FromUtf8(tag), {}});
        } else if (option == "--dialog") {
            const std::string_view script = walk.ValueOf(argument);
            if (command.clicks.empty()) throw UsageError("--dialog follows the --click whose dialog it plays");
            try {
                command.clicks.back().dialog = dialogs::ParseDialogScript(script);
            } catch (const dialogs::DialogScriptError& error) {
                throw UsageError(std::string("--dialog: ") + error.what());
            }
        } else if (option == "--state") {
            command.state = walk.ValueOf(argument);
        } else if (option == "--sent") {
            command.sent_mailboxes.emplace_back(walk.ValueOf(argument));
        } else if (option == "--into") {
            const std::string_view folder = walk.ValueOf(argument);
            if (walk.Done()) throw UsageError("--into takes a folder and a mailbox: --into \"Inbox/Old mail\" MAILBOX");
            command.kept.push_back({std::string(folder), std::filesystem::path(walk.Next())});
        } else if (option == "--contacts") {
            command.contacts.emplace_back(walk.ValueOf(argument));
        } else if (option == "--show") {
            command.show = walk.ValueOf(argument);
        } else if (option == "--select") {
            command.select = walk.ValueOf(argument);
        } else if (option == "--outlook") {
            command.outlook = OutlookOf(walk.ValueOf(argument));
        } else if (option == "--set") {
            command.settings.push_back(SettingOf(walk.ValueOf(argument)));
        } else {
            throw UsageError("unknown option: " + std::string(argument));
        }
    }
    if (help) {
        CommandLine only_help;
        only_help.mode = Mode::Help;
        return only_help;
    }
    if (dump) {
        if (command.mailboxes.empty()) throw UsageError("--dump needs a mailbox");
        if (command.json || !command.sent_mailboxes.empty() || !command.settings.empty() || !command.clicks.empty() ||
            command.show_toolbars || command.WorksOnFolders()) {
            throw UsageError("--dump takes only mailboxes");
        }
        command.mode = Mode::Dump;
    }
    if (online != (!command.ham_mailboxes.empty() || !command.spam_mailboxes.empty())) {
        throw UsageError("--online takes its mail as --ham MAILBOX and --spam MAILBOX, and they belong to --online");
    }
    if (online) {
        if (command.ham_mailboxes.empty() || command.spam_mailboxes.empty()) {
            throw UsageError("--online needs ham and spam: --ham MAILBOX --spam MAILBOX");
        }
        if (dump || command.json || !command.sent_mailboxes.empty() || !command.mailboxes.empty() ||
            !command.clicks.empty() || command.show_toolbars || command.WorksOnFolders()) {
            throw UsageError("--online takes only --ham, --spam, --state, --set and --outlook");
        }
        command.mode = Mode::Online;
    }
    return command;
}

std::string_view UsageText() {
    return "Usage: tarn4ol-sim [--state DIR] [--set NAME=VALUE]... [--outlook VERSION]\n"
           "                   [--sent MAILBOX]... [--json]\n"
           "                   [--contacts FILE.vcf]... [--into FOLDER MAILBOX]...\n"
           "                   [--show FOLDER] [--select LIST] [--show-toolbars]\n"
           "                   [--click TAG [--dialog SCRIPT]]...\n"
           "                   [MAILBOX...]\n"
           "       tarn4ol-sim --online --ham MAILBOX --spam MAILBOX [--state DIR] [--set NAME=VALUE]...\n"
           "                   [--outlook VERSION]\n"
           "       tarn4ol-sim --dump MAILBOX...\n"
           "       tarn4ol-sim --help\n"
           "\n"
           "Runs the Tarn4OL add-in against an Outlook of its own: every message of the\n"
           "mailboxes arrives in the Inbox as new mail and is screened; spam goes to the\n"
           "Quarantine folder and into the report FLUSH.htm. Without a mailbox (and without\n"
           "--into), the sample mailbox of the project arrives.\n"
           "\n"
           "  --state DIR       the add-in's folder: word and sender lists (*.tarn), Language.ini,\n"
           "                    the settings (registry.reg) and the report (default: ./tarn4ol-state);\n"
           "                    one run at a time uses it\n"
           "  --set NAME=VALUE  a setting for this run only, by its registry name, for example\n"
           "                    --set BlockEnglish=1 or --set \"Alphabet Groups=000010000000\";\n"
           "                    a value outside the setting's range is refused\n"
           "  --outlook VERSION the Outlook played (default 365): 2010 to 365 end at the exit\n"
           "                    without telling the add-in (it hears Quit and nothing more),\n"
           "                    2000 to 2007 call its shutdown; the same add-in serves both\n"
           "  --sent MAILBOX    messages the user sent, before the others arrive: their\n"
           "                    recipients' addresses (To, Cc, Bcc) become friend senders\n"
           "  --json            one JSON object per message, then one with the totals\n"
           "  --show-toolbars   print the toolbars and buttons the add-in built in the main\n"
           "                    window: bar, order, tag, caption, hint, style, enabled\n"
           "  --contacts FILE   the user's address book: the contacts of a vCard file, as\n"
           "                    every address book exports them (repeatable)\n"
           "  --into FOLDER MAILBOX\n"
           "                    messages already in a folder when Outlook starts (no new-mail\n"
           "                    screening): \"Inbox\", \"Inbox/Old mail\", \"Deleted Items\"...;\n"
           "                    missing subfolders are made (repeatable)\n"
           "  --show FOLDER     after the mail has arrived, the main window shows this folder\n"
           "  --select LIST     then the user selects these items of the shown folder by\n"
           "                    number, first item 1: 1,3-5\n"
           "  --click TAG       then clicks the main window's button with that tag\n"
           "                    (btnDoCurFold, btnGreenFace, btnRedFace, btnProCur,\n"
           "                    btnAllowSub, btnBanSub, btnCurrentReport, btnQuarantine,\n"
           "                    btnAbout, btnInfo...); repeatable, in order. With --into,\n"
           "                    --contacts, --show or --select the folders are listed at the end\n"
           "  --online          the messages of the --ham and --spam mailboxes arrive one at a\n"
           "                    time in the project's fixed stream order; after each verdict\n"
           "                    that was wrong or unsure the user marks the message's sender as\n"
           "                    a friend (ham) or a foe (spam), through the toolbar buttons;\n"
           "                    then the figures over the whole stream and its second half\n"
           "  --dialog SCRIPT   what the user does in the dialog the click before opens, for\n"
           "                    example --dialog \"select EAE 0 5; press btnBan\": actions\n"
           "                    separated by \";\": type CONTROL TEXT, select CONTROL START\n"
           "                    LENGTH, press BUTTON, click LISTBOX LINE, key LISTBOX KEY,\n"
           "                    tick|untick CONTROL [ITEM], choose CONTROL ITEM; without it\n"
           "                    the user closes the dialog (btnSettings, btnAllowSub, btnBanSub)\n"
           "  --dump            instead of screening: each message's MAPI string properties as\n"
           "                    Outlook stores them (control characters and 8-bit bytes escaped,\n"
           "                    long values cut)\n"
           "  --help            show this text\n"
           "\n"
           "A MAILBOX is a message file (.eml), an mbox file, a Maildir, a directory of\n"
           "message files (read recursively, in name order) or the SpamAssassin public\n"
           "corpus (its data folder: file_list.json beside the group folders).\n"
           "\n"
           "Standard error names each message, file or folder that could not be read, each\n"
           "failure of the add-in (a list, settings or report file it could not write), and\n"
           "the add-in's message boxes.\n"
           "\n"
           "Exit status: 0 when every message was read and every file written; 1 when\n"
           "something could not be read or written, or the state folder is in use (see\n"
           "standard error); 2 when the command line is wrong.\n";
}

}  // namespace tarn::tools::sim
