#pragma once

#include <memory>
#include <string>

namespace tarn::host {

// One recipient of a mail item (Outlook's Recipient object).
class Recipient {
public:
    virtual ~Recipient() = default;
    // "Address": the recipient's e-mail address as the store keeps it: the SMTP address, or
    // for an Exchange user the directory address, as PR_SENDER_EMAIL_ADDRESS shows senders.
    // Empty for a recipient that was never resolved to an address.
    virtual std::u16string Address() = 0;
    // "AddressEntry.Type": "SMTP" for an Internet address, "EX" for a user inside the
    // organization's Exchange; empty for a recipient never resolved to an address entry.
    virtual std::u16string AddressType() = 0;
    // The SMTP address the store keeps for an Exchange user: PR_SMTP_ADDRESS through the
    // recipient's "PropertyAccessor" (Outlook 2007 and later). HostError where there is none.
    virtual std::u16string SmtpAddress() = 0;
};

using RecipientPtr = std::shared_ptr<Recipient>;

// A mail item's Recipients collection: To, Cc and Bcc alike, 1-based.
class Recipients {
public:
    virtual ~Recipients() = default;
    virtual long Count() = 0;
    virtual RecipientPtr Item(long index) = 0;
};

}  // namespace tarn::host
