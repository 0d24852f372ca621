#pragma once

#include <string>

#include "host/item.h"
#include "platform/mapi.h"
#include "screening/mail_item_view.h"

namespace tarn::addin {

// What the screening tests share of one mail item.
struct ScreeningInputs {
    std::string charset;         // from the transport headers; empty when none is declared
    std::string screening_text;  // the transport headers followed by up to 5000 characters of body
};

// The add-in proper: the one object that holds the anti-spam state while Outlook runs.
class TTarnAddin {
public:
    explicit TTarnAddin(platform::MapiLibrary& mapi) : view_(mapi) {}

    const screening::MailItemView& View() const noexcept { return view_; }

    // The charset and screening text of a mail item: the transport headers (when the item's
    // MAPI object is a message) directly followed by the HTML body, or the plain body when
    // there is no HTML, cut to its first 5000 characters. Empty for items that are not mail.
    // A host failure reaches the caller.
    ScreeningInputs ReadScreeningInputs(host::Item& item) const;

private:
    screening::MailItemView view_;
};

}  // namespace tarn::addin
