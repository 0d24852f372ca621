#pragma once

#include <istream>
#include <optional>
#include <string>

namespace tarn::tools::import {

// The messages of an mbox file, read one at a time so that a large mailbox is never held whole.
//
// A message starts at a "From " line that opens the file or follows a blank line; that line
// and the blank line before the next one belong to the mbox, not to the message. A body line
// that an mbox writer escaped (">From ", ">>From ", ...) loses one '>'. Line ends are kept
// as they are in the file.
class MboxReader {
public:
    explicit MboxReader(std::istream& in) : in_(in) {}

    // The next message's bytes; empty once the file is done.
    std::optional<std::string> Next();

private:
    std::istream& in_;
    bool after_blank_line_ = true;  // the start of the file counts as one
    bool in_message_ = false;       // a "From " line has been read and its message not returned
};

}  // namespace tarn::tools::import
