#include "tools/import/mbox_reader.h"

#include <string_view>

#include "tools/import/mbox_from_line.h"

namespace tarn::tools::import {

namespace {

bool IsBlank(std::string_view line) { return line.empty() || line == "\r"; }

// ">From ", ">>From ", ...: a line that an mbox writer escaped by adding one '>'.
bool IsEscapedFromLine(std::string_view line) {
    const auto quotes = line.find_first_not_of('>');
    return quotes != 0 && quotes != std::string_view::npos && IsMboxFromLine(line.substr(quotes));
}

}  // namespace

std::optional<std::string> MboxReader::Next() {
    std::string message;
    std::size_t before_blank_line = 0;  // the message's size without the blank line last read
    std::string line;
    while (std::getline(in_, line)) {
        const bool ended_by_newline = !in_.eof();
        if (after_blank_line_ && IsMboxFromLine(line)) {
            after_blank_line_ = false;
            if (in_message_) {
                message.resize(before_blank_line);
                return message;
            }
            in_message_ = true;
            continue;
        }
        in_message_ = true;
        const bool blank = IsBlank(line);
        before_blank_line = blank ? message.size() : std::string::npos;
        std::string_view content = line;
        if (IsEscapedFromLine(content)) content.remove_prefix(1);
        message += content;
        if (ended_by_newline) message += '\n';
        after_blank_line_ = blank;
    }
    if (!in_message_) return std::nullopt;
    in_message_ = false;
    if (after_blank_line_) message.resize(before_blank_line);
    return message;
}

}  // namespace tarn::tools::import
