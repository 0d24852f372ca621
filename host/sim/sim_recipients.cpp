#include "host/sim/sim_recipients.h"

namespace tarn::host::sim {

SimRecipient::SimRecipient(std::weak_ptr<SimHost> host, RecipientEntry entry)
    : SimObject(std::move(host), "Recipient"), entry_(std::move(entry)) {}

std::u16string SimRecipient::Address() { return Read("Address", entry_.address); }

std::u16string SimRecipient::AddressType() {
    Guard("AddressType");
    return entry_.address.empty() ? std::u16string() : entry_.address_type;
}

std::u16string SimRecipient::SmtpAddress() {
    Guard("SmtpAddress");
    if (entry_.address_type != u"EX") return entry_.address;
    if (entry_.smtp_address.empty()) Fail("SmtpAddress", "the property \"http://schemas.microsoft.com/mapi/proptag/0x39FE001E\" is unknown or cannot be found");
    return entry_.smtp_address;
}

SimRecipients::SimRecipients(std::weak_ptr<SimHost> host, const std::vector<RecipientEntry>& entries)
    : SimCollection(host, "Recipients") {
    for (const auto& entry : entries) Append(std::make_shared<SimRecipient>(host, entry));
}

}  // namespace tarn::host::sim
