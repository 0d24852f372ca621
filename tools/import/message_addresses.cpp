#include "tools/import/message_addresses.h"

#include <functional>
#include <string_view>

#include "platform/codepage.h"
#include "tools/import/gmime_support.h"

namespace tarn::tools::import {

namespace {

using MailboxVisitor = std::function<void(InternetAddressMailbox&)>;

// Every mailbox of the list in order, the members of a group in its place.
void ForEachMailbox(InternetAddressList* list, const MailboxVisitor& visit) {
    if (list == nullptr) return;
    const int count = internet_address_list_length(list);
    for (int i = 0; i < count; ++i) {
        InternetAddress* address = internet_address_list_get_address(list, i);
        if (auto* mailbox = As<InternetAddressMailbox>(address, internet_address_mailbox_get_type())) {
            visit(*mailbox);
        } else if (auto* group = As<InternetAddressGroup>(address, internet_address_group_get_type())) {
            ForEachMailbox(internet_address_group_get_members(group), visit);
        }
    }
}

std::string_view TextOf(const char* text) { return text == nullptr ? std::string_view{} : text; }

std::string_view NameOf(InternetAddressMailbox& mailbox) {
    return TextOf(internet_address_get_name(reinterpret_cast<InternetAddress*>(&mailbox)));
}

std::string_view AddressOf(InternetAddressMailbox& mailbox) {
    return TextOf(internet_address_mailbox_get_addr(&mailbox));
}

}  // namespace

std::string SenderAddress(GMimeMessage& message) {
    std::string sender;
    ForEachMailbox(g_mime_message_get_from(&message), [&](InternetAddressMailbox& mailbox) {
        if (sender.empty()) sender = AddressOf(mailbox);
    });
    return sender;
}

std::string DisplayTo(GMimeMessage& message) {
    std::string display;
    ForEachMailbox(g_mime_message_get_to(&message), [&](InternetAddressMailbox& mailbox) {
        const std::string_view shown = NameOf(mailbox).empty() ? AddressOf(mailbox) : NameOf(mailbox);
        if (shown.empty()) return;
        if (!display.empty()) display += "; ";
        display += shown;
    });
    return display;
}

std::vector<host::sim::RecipientEntry> Recipients(GMimeMessage& message) {
    std::vector<host::sim::RecipientEntry> recipients;
    for (const auto& [field, type] : {std::pair{GMIME_ADDRESS_TYPE_TO, host::RecipientType::To},
                                     std::pair{GMIME_ADDRESS_TYPE_CC, host::RecipientType::Cc},
                                     std::pair{GMIME_ADDRESS_TYPE_BCC, host::RecipientType::Bcc}}) {
        ForEachMailbox(g_mime_message_get_addresses(&message, field), [&](InternetAddressMailbox& mailbox) {
            recipients.push_back({platform::FromUtf8(NameOf(mailbox)), platform::FromUtf8(AddressOf(mailbox)), type});
        });
    }
    return recipients;
}

}  // namespace tarn::tools::import
