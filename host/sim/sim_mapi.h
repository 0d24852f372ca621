#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "host/sim/property_map.h"
#include "platform/mapi.h"

namespace tarn::host::sim {

// How the test host's message store hands out properties through Extended MAPI, as stores do:
// a string property is returned in one piece only up to a size (typically 4 to 16 KB; Microsoft
// KB 184269), a longer one only as a stream; and named properties have identifiers of this
// store's own, found by name (never the same numbers in every store).
struct SimStoreMapi {
    // The stricter end of what stores return in one piece.
    static constexpr std::size_t DefaultStringReadLimit = 8 * 1024;

    std::size_t string_read_limit = DefaultStringReadLimit;
    // The property identifier of each named property of the address set (PSETID_Address) this
    // store knows, by numeric name; it knows no other set.
    std::map<std::int32_t, std::uint16_t> address_ids;

    // A store that knows the contacts' three address properties, under identifiers unlike
    // those any other store gives them.
    static std::shared_ptr<SimStoreMapi> Default();
    std::optional<platform::PropTag> TagOf(const platform::NamedProperty& property, std::uint16_t type) const;
};

// The IMessage of a stored item: its property map, as its store hands it out.
class SimMapiMessage final : public platform::MapiMessage {
public:
    SimMapiMessage(std::shared_ptr<const PropertyMap> properties, std::shared_ptr<const SimStoreMapi> store)
        : properties_(std::move(properties)), store_(std::move(store)) {}
    const PropertyMap& Properties() const noexcept { return *properties_; }
    const SimStoreMapi& Store() const noexcept { return *store_; }

private:
    std::shared_ptr<const PropertyMap> properties_;
    std::shared_ptr<const SimStoreMapi> store_;
};

// An item's MAPI object. Items of some stores do not answer IMessage.
class SimMapiObject final : public platform::MapiObject {
public:
    SimMapiObject(std::shared_ptr<const PropertyMap> properties, std::shared_ptr<const SimStoreMapi> store,
                  bool answers_message)
        : properties_(std::move(properties)), store_(std::move(store)), answers_message_(answers_message) {}
    std::unique_ptr<platform::MapiMessage> QueryMessage() override;

private:
    std::shared_ptr<const PropertyMap> properties_;
    std::shared_ptr<const SimStoreMapi> store_;
    bool answers_message_;
};

// Reads string properties from the messages of the test host as its store hands them out;
// any other message has none.
class SimMapiLibrary final : public platform::MapiLibrary {
public:
    platform::StringPropRead GetOneStringProp(platform::MapiMessage& message, platform::PropTag tag) override;
    std::optional<std::string> ReadStringPropStream(platform::MapiMessage& message, platform::PropTag tag,
                                                    std::size_t limit) override;
    std::optional<platform::PropTag> NamedPropertyTag(platform::MapiMessage& message,
                                                      const platform::NamedProperty& property,
                                                      std::uint16_t type) override;
};

}  // namespace tarn::host::sim
