#pragma once

#include <memory>
#include <vector>

#include "host/recipients.h"
#include "host/sim/item_content.h"
#include "host/sim/sim_collection.h"

namespace tarn::host::sim {

class SimRecipient final : public host::Recipient, public SimObject {
public:
    SimRecipient(std::weak_ptr<SimHost> host, RecipientEntry entry);
    std::u16string Address() override;
    // None for a recipient never resolved (no address).
    std::u16string AddressType() override;
    // The SMTP address of an "EX" recipient, or its address of another type; HostError for an
    // Exchange user the store keeps no SMTP address for, as Outlook's PropertyAccessor raises.
    std::u16string SmtpAddress() override;

private:
    RecipientEntry entry_;
};

// A mail item's recipients when Recipients() was called, in the order of the recipient table.
class SimRecipients final : public SimCollection<host::Recipients, SimRecipient> {
public:
    SimRecipients(std::weak_ptr<SimHost> host, const std::vector<RecipientEntry>& entries);
};

}  // namespace tarn::host::sim
