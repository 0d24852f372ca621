#pragma once

#include <gmime/gmime.h>

#include <optional>
#include <string>

namespace tarn::tools::import {

// The two bodies Outlook keeps for a received message.
struct MessageBody {
    // The text a reader sees, in UTF-8 with the message's own line ends: the first text/plain
    // part that is not an attachment; else the text of the first such text/html part; else
    // the text that stands before the first boundary of a multipart whose boundary never
    // occurs. Empty when the message has no text at all.
    std::string text;
    // The first text/html part that is not an attachment: transfer encoding removed, bytes
    // left in the part's own charset. Absent when there is none.
    std::optional<std::string> html;
};

MessageBody ReadMessageBody(GMimeMessage& message);

}  // namespace tarn::tools::import
