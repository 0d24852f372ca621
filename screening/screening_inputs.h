#pragma once

#include <string>

#include "host/item.h"
#include "platform/diagnostics.h"
#include "screening/mail_item_view.h"

namespace tarn::screening {

// What the screening tests share of one mail item.
struct ScreeningInputs {
    std::string charset;         // from the transport headers; empty when none is declared
    std::string screening_text;  // the transport headers followed by up to 5000 characters of body
};

// The charset and screening text of a mail item: the transport headers (when the item's MAPI
// object is a message) directly followed by the HTML body, or the plain body when there is no
// HTML, cut to its first 5000 characters. Empty for items that are not mail. A charset that
// cannot be extracted is none (the failure is recorded); a host failure reaches the caller.
ScreeningInputs ReadScreeningInputs(host::Item& item, const MailItemView& view,
                                    platform::Diagnostics& diagnostics);

}  // namespace tarn::screening
