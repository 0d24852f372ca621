#pragma once

#include <string>
#include <vector>

#include "host/item.h"

namespace tarn::screening {

// The address of each recipient of a mail item (To, Cc and Bcc, in the item's order), in the
// system code page and lower-cased (A to Z), as friend senders are written. A recipient
// without an address gives nothing, and so does an address holding a line break or a NUL
// (it could never be a list entry). A host failure reaches the caller.
std::vector<std::string> RecipientAddresses(host::Item& item);

}  // namespace tarn::screening
