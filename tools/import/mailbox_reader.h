#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <variant>

#include "host/sim/item_content.h"
#include "tools/import/source_label.h"

namespace tarn::tools::import {

// One message of a mailbox as Outlook would store it.
struct ImportedMessage {
    SourceLabel source;
    host::sim::ItemContent content;
};

// A message, file or directory of a mailbox that could not be read, and why.
struct ImportFailure {
    SourceLabel source;
    std::string reason;
};

using MailboxEntry = std::variant<ImportedMessage, ImportFailure>;

// Receives each message of a mailbox, or the failure to read it, as soon as it is read.
using MailboxSink = std::function<void(MailboxEntry)>;

// Reads every message of the mailbox at `path`, in order, one at a time. The form is told
// from the path:
// - a directory with cur/ and new/ in it is a Maildir: the files of cur/, then of new/;
// - any other directory is a directory of mail files, read recursively in name order
//   (hidden entries and .json files left out, links followed, a link into a folder already
//   read and a link to nothing reported and skipped); in a tree that holds a SpamAssassin
//   corpus data folder (file_list.json beside the group folders), only the corpus messages;
// - a file that starts with a "From " line is an mbox file, unless it is a corpus message,
//   which holds one message after its "From " line;
// - any other file is one message.
// Nothing is thrown for bad input: each failure goes to the sink and reading goes on.
void ReadMailbox(const std::filesystem::path& path, const MailboxSink& sink);

}  // namespace tarn::tools::import
