#include "screening/recipient_addresses.h"

#include <string_view>

#include "platform/codepage.h"
#include "screening/text_tools.h"

namespace tarn::screening {

std::vector<std::string> RecipientAddresses(host::Item& item) {
    constexpr std::string_view NotInAnEntry("\r\n\0", 3);
    std::vector<std::string> addresses;
    const auto recipients = item.Recipients();
    const long count = recipients->Count();
    for (long index = 1; index <= count; ++index) {
        std::string address = AsciiLower(platform::Narrow(recipients->Item(index)->Address()));
        if (address.empty() || address.find_first_of(NotInAnEntry) != std::string::npos) continue;
        addresses.push_back(std::move(address));
    }
    return addresses;
}

}  // namespace tarn::screening
