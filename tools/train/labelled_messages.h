#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tarn::tools::train {

// A message of the training or test mail, as the engine sees it.
struct LabelledMessage {
    std::string mailbox;         // the mailbox it was read from, as given
    std::string source;          // where in the mailbox it was read
    std::string screening_text;  // see ScreeningTextSource
    bool spam = false;
};

struct LabelledMail {
    std::vector<LabelledMessage> messages;
    std::size_t unreadable = 0;  // messages, files or mailboxes that could not be read
};

// Every message of the mailboxes (see tools/import ReadMailbox), ham mailboxes first, each in
// its mailbox's order. What cannot be read is named on `errors`, counted and left out.
LabelledMail ReadLabelledMessages(const std::vector<std::filesystem::path>& ham,
                                  const std::vector<std::filesystem::path>& spam, std::ostream& errors);

}  // namespace tarn::tools::train
