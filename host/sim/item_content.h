#pragma once

#include <string>
#include <vector>

#include "host/constants.h"
#include "host/sim/property_map.h"

namespace tarn::host::sim {

// One recipient of a stored message: the name Outlook shows and the address it resolved to
// (empty when it resolved to none).
struct RecipientEntry {
    std::u16string name;
    std::u16string address;
    host::RecipientType type = host::RecipientType::To;
    bool operator==(const RecipientEntry&) const = default;
};

// What the store holds of one item: its Extended MAPI string properties and, for mail, its
// recipient table.
struct ItemContent {
    PropertyMap properties;
    std::vector<RecipientEntry> recipients;
};

}  // namespace tarn::host::sim
