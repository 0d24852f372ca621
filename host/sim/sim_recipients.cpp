#include "host/sim/sim_recipients.h"

namespace tarn::host::sim {

SimRecipient::SimRecipient(std::weak_ptr<SimHost> host, RecipientEntry entry)
    : SimObject(std::move(host), "Recipient"), entry_(std::move(entry)) {}

std::u16string SimRecipient::Address() { return Read("Address", entry_.address); }

SimRecipients::SimRecipients(std::weak_ptr<SimHost> host, const std::vector<RecipientEntry>& entries)
    : SimCollection(host, "Recipients") {
    for (const auto& entry : entries) Append(std::make_shared<SimRecipient>(host, entry));
}

}  // namespace tarn::host::sim
