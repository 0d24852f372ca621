#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/headless/dialog_script.h"
#include "host/sim/outlook_version.h"

namespace tarn::tools::sim {

// What tarn4ol-sim was asked to do.
enum class Mode {
    Screen,  // deliver every message to the add-in, as new mail (the default)
    Online,  // the ham and spam mailboxes as one stream, the user correcting each wrong verdict
    Dump,    // print each message's properties as the importer stores them
    Help,    // print the usage text
};

// --into FOLDER MAILBOX: messages that are in a folder before Outlook starts.
struct KeptMailbox {
    std::string folder;
    std::filesystem::path mailbox;
};

// --click TAG, optionally followed by --dialog SCRIPT: what the user does in the dialog that
// the click opens.
struct UserClick {
    std::u16string tag;
    dialogs::DialogScript dialog;
};

struct CommandLine {
    Mode mode = Mode::Screen;
    std::vector<std::filesystem::path> mailboxes;       // arriving in the Inbox
    std::vector<std::filesystem::path> sent_mailboxes;  // arriving in Sent Items (--sent)
    std::filesystem::path state = "tarn4ol-state";      // the add-in's installation directory (--state)
    std::vector<std::pair<std::string, std::string>> settings;  // --set NAME=VALUE, for this run
    bool json = false;                                  // one JSON object per message (--json)
    std::vector<UserClick> clicks;                      // --click TAG, after the mail has arrived
    bool show_toolbars = false;                         // --show-toolbars
    std::vector<KeptMailbox> kept;                      // --into FOLDER MAILBOX, before the start
    std::vector<std::filesystem::path> contacts;        // --contacts FILE.vcf, before the start
    std::string show;                                   // --show FOLDER, after the mail arrived
    std::string select;                                 // --select LIST, in the shown folder
    std::vector<std::filesystem::path> ham_mailboxes;   // --online: --ham MAILBOX
    std::vector<std::filesystem::path> spam_mailboxes;  // --online: --spam MAILBOX
    host::sim::OutlookVersion outlook = host::sim::OutlookVersion::Outlook2016;  // --outlook VERSION

    // Whether the run keeps mail in the store for the user's commands (and lists the folders).
    bool WorksOnFolders() const { return !kept.empty() || !contacts.empty() || !show.empty() || !select.empty(); }
};

// A command line that asks for nothing tarn4ol-sim can do; what() says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the program name. Options and mailbox paths may come in any order;
// "--" makes every later argument a path. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

std::string_view UsageText();

}  // namespace tarn::tools::sim
