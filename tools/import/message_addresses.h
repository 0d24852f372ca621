#pragma once

#include <gmime/gmime.h>

#include <string>
#include <vector>

#include "host/sim/item_content.h"

namespace tarn::tools::import {

// The address fields Outlook shows for a received message, decoded to UTF-8.

// The first From address as a bare address ("jane@example.com"), without name; empty when there is none.
std::string SenderAddress(GMimeMessage& message);

// The To recipients as Outlook lists them: each one's display name, or its address when it
// has no name, joined by "; ". A group stands for its members. Empty when there is no To.
std::string DisplayTo(GMimeMessage& message);

// The recipient table Outlook keeps: every To, Cc and Bcc mailbox in header order, with its
// display name (empty when it has none) and its bare address.
std::vector<host::sim::RecipientEntry> Recipients(GMimeMessage& message);

}  // namespace tarn::tools::import
