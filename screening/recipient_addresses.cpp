#include "screening/recipient_addresses.h"

#include <string_view>

#include "platform/codepage.h"
#include "platform/text_compare.h"
#include "screening/mail_item_view.h"
#include "screening/text_tools.h"

namespace tarn::screening {

std::vector<std::string> RecipientAddresses(host::Item& item, platform::Diagnostics& diagnostics) {
    constexpr std::string_view NotInAnEntry("\r\n\0", 3);
    std::vector<std::string> addresses;
    const auto recipients = item.Recipients();
    const long count = recipients->Count();
    for (long index = 1; index <= count; ++index) {
        const auto recipient = recipients->Item(index);
        std::string address = platform::Narrow(recipient->Address());
        if (address.empty()) continue;
        if (platform::CompareTextIgnoreCase(platform::Narrow(recipient->AddressType()), "EX") == 0 ||
            IsDirectoryAddress(address)) {
            const bool read = platform::Contain(diagnostics, "RecipientAddresses (an Exchange user's SMTP address)",
                                                [&] { address = platform::Narrow(recipient->SmtpAddress()); });
            if (!read) continue;
            if (IsDirectoryAddress(address)) {
                diagnostics.Record("RecipientAddresses (an Exchange user's SMTP address)",
                                   "the store gives a directory address only, which is no Internet address: left out");
                continue;
            }
        }
        address = AsciiLower(address);
        if (address.empty() || address.find_first_of(NotInAnEntry) != std::string::npos) continue;
        addresses.push_back(std::move(address));
    }
    return addresses;
}

}  // namespace tarn::screening
