#pragma once

#include <memory>
#include <optional>
#include <string>

#include "host/sim/property_map.h"
#include "platform/mapi.h"

namespace tarn::host::sim {

// The IMessage of a stored item: its property map.
class SimMapiMessage final : public platform::MapiMessage {
public:
    explicit SimMapiMessage(std::shared_ptr<const PropertyMap> properties) : properties_(std::move(properties)) {}
    const PropertyMap& Properties() const noexcept { return *properties_; }

private:
    std::shared_ptr<const PropertyMap> properties_;
};

// An item's MAPI object. Items of some stores do not answer IMessage.
class SimMapiObject final : public platform::MapiObject {
public:
    SimMapiObject(std::shared_ptr<const PropertyMap> properties, bool answers_message)
        : properties_(std::move(properties)), answers_message_(answers_message) {}
    std::unique_ptr<platform::MapiMessage> QueryMessage() override;

private:
    std::shared_ptr<const PropertyMap> properties_;
    bool answers_message_;
};

// Reads string properties from the messages of the test host; any other message has none.
class SimMapiLibrary final : public platform::MapiLibrary {
public:
    std::optional<std::string> GetOneStringProp(platform::MapiMessage& message, platform::PropTag tag) override;
};

}  // namespace tarn::host::sim
