#pragma once

#include <string>
#include <vector>

#include "host/item.h"
#include "platform/diagnostics.h"

namespace tarn::screening {

// The Internet address of each recipient of a mail item (To, Cc and Bcc, in the item's order),
// in the system code page and lower-cased (A to Z), as friend senders are written. A user
// inside the organization's Exchange gives the SMTP address the store keeps, never the
// directory address; one without it gives nothing, and that is recorded. A recipient without
// an address gives nothing, and so does an address holding a line break or a NUL (it could
// never be a list entry). Any other host failure reaches the caller.
std::vector<std::string> RecipientAddresses(host::Item& item, platform::Diagnostics& diagnostics);

}  // namespace tarn::screening
