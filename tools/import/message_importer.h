#pragma once

#include <array>
#include <stdexcept>
#include <string_view>

#include "host/sim/item_content.h"
#include "platform/mapi.h"

namespace tarn::tools::import {

// A message that cannot be read as mail at all; what() says why.
class UnreadableMessage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The properties Outlook stores for one received message, from the message's raw RFC 822
// bytes (an mbox "From " line before them is skipped). Text is in the 8-bit code page, with
// '?' for each character the code page lacks, and holds no NUL byte:
// - PR_SUBJECT: the Subject, encoded words decoded, unfolded; "" when there is none.
// - PR_SENDER_EMAIL_ADDRESS: the first From address, the bare address only; "" when there is none.
// - PR_DISPLAY_TO: the To recipients' names (addresses for those without), joined by "; ".
// - PR_TRANSPORT_MESSAGE_HEADERS: the header block as received, byte for byte, up to the blank
//   line that ends it (the whole message when none does).
// - PR_BODY: the text body (see MessageBody) with CR LF line ends.
// - PR_BODY_HTML: the HTML body in its own charset; absent when the message has none.
// With them, the recipient table: every To, Cc and Bcc mailbox, its name and its address.
// Throws UnreadableMessage for input that is empty or does not start as mail does.
host::sim::ItemContent ImportMessage(std::string_view raw);

// The properties ImportMessage sets, with their MAPI names, in the order tools show them.
struct PropertyName {
    platform::PropTag tag;
    std::string_view name;
};
inline constexpr std::array<PropertyName, 6> ImportedProperties = {{
    {platform::prop_tag::Subject, "PR_SUBJECT"},
    {platform::prop_tag::SenderEmailAddress, "PR_SENDER_EMAIL_ADDRESS"},
    {platform::prop_tag::DisplayTo, "PR_DISPLAY_TO"},
    {platform::prop_tag::TransportMessageHeaders, "PR_TRANSPORT_MESSAGE_HEADERS"},
    {platform::prop_tag::Body, "PR_BODY"},
    {platform::prop_tag::BodyHtml, "PR_BODY_HTML"},
}};

}  // namespace tarn::tools::import
