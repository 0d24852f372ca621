#pragma once

#include <filesystem>
#include <vector>

#include "tools/import/mailbox_reader.h"

namespace tarn::tools::import {

// Reads the mailboxes one after the other, as ReadMailbox does, on a thread of its own that
// keeps a few messages ahead, and hands every entry to `sink` on the calling thread, in order.
// Parsing the next messages thus overlaps the work done with this one. What the sink throws
// stops the reading and reaches the caller, as does what the reading throws.
void ReadMailboxesAhead(const std::vector<std::filesystem::path>& mailboxes, const MailboxSink& sink);

}  // namespace tarn::tools::import
