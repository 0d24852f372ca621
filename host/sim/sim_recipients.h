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

private:
    RecipientEntry entry_;
};

// A mail item's recipients when Recipients() was called, in the order of the recipient table.
class SimRecipients final : public SimCollection<host::Recipients, SimRecipient> {
public:
    SimRecipients(std::weak_ptr<SimHost> host, const std::vector<RecipientEntry>& entries);
};

}  // namespace tarn::host::sim
