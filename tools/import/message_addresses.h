#pragma once

#include <gmime/gmime.h>

#include <string>

namespace tarn::tools::import {

// The address fields Outlook shows for a received message, decoded to UTF-8.

// The first From address as a bare address ("jane@example.com"), without name; empty when there is none.
std::string SenderAddress(GMimeMessage& message);

// The To recipients as Outlook lists them: each one's display name, or its address when it
// has no name, joined by "; ". A group stands for its members. Empty when there is no To.
std::string DisplayTo(GMimeMessage& message);

}  // namespace tarn::tools::import
