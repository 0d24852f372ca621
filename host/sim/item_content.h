#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/constants.h"
#include "host/sim/property_map.h"

namespace tarn::host::sim {

// One recipient of a stored message: the name Outlook shows and the address it resolved to
// (empty when it resolved to none); for a user of the organization's Exchange, the address type
// "EX", a directory (X.500) address, and the SMTP address the store keeps beside it (or none).
struct RecipientEntry {
    RecipientEntry() = default;
    RecipientEntry(std::u16string shown_name, std::u16string resolved_address,
                   host::RecipientType recipient_type = host::RecipientType::To)
        : name(std::move(shown_name)), address(std::move(resolved_address)), type(recipient_type) {}
    // A user of the organization's Exchange, and the SMTP address the store keeps (empty: none).
    static RecipientEntry Exchange(std::u16string shown_name, std::u16string directory_address,
                                   std::u16string smtp) {
        RecipientEntry entry(std::move(shown_name), std::move(directory_address));
        entry.address_type = u"EX";
        entry.smtp_address = std::move(smtp);
        return entry;
    }

    std::u16string name;
    std::u16string address;
    host::RecipientType type = host::RecipientType::To;
    std::u16string address_type = u"SMTP";
    std::u16string smtp_address;
    bool operator==(const RecipientEntry&) const = default;
};

// What the store holds of one item: its Extended MAPI string properties and, for mail, its
// recipient table.
struct ItemContent {
    PropertyMap properties;
    std::vector<RecipientEntry> recipients;
};

}  // namespace tarn::host::sim
