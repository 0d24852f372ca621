#include "host/sim/sim_mapi.h"

namespace tarn::host::sim {

namespace {

const std::string* Held(const SimMapiMessage& message, platform::PropTag tag) {
    const auto found = message.Properties().find(tag);
    return found == message.Properties().end() ? nullptr : &found->second;
}

}  // namespace

std::shared_ptr<SimStoreMapi> SimStoreMapi::Default() {
    auto store = std::make_shared<SimStoreMapi>();
    store->address_ids[platform::named_property::ContactEmail1.id] = 0x8131;
    store->address_ids[platform::named_property::ContactEmail2.id] = 0x8142;
    store->address_ids[platform::named_property::ContactEmail3.id] = 0x8153;
    return store;
}

std::optional<platform::PropTag> SimStoreMapi::TagOf(const platform::NamedProperty& property, std::uint16_t type) const {
    if (property.set != platform::named_property::AddressSet) return std::nullopt;
    const auto found = address_ids.find(property.id);
    if (found == address_ids.end()) return std::nullopt;
    return platform::MakePropTag(found->second, type);
}

std::unique_ptr<platform::MapiMessage> SimMapiObject::QueryMessage() {
    if (!answers_message_) return nullptr;
    return std::make_unique<SimMapiMessage>(properties_, store_);
}

platform::StringPropRead SimMapiLibrary::GetOneStringProp(platform::MapiMessage& message, platform::PropTag tag) {
    using Outcome = platform::StringPropRead::Outcome;
    const auto* sim_message = dynamic_cast<const SimMapiMessage*>(&message);
    if (sim_message == nullptr) return {};
    const std::string* text = Held(*sim_message, tag);
    if (text == nullptr) return {};
    if (text->size() > sim_message->Store().string_read_limit) return {Outcome::TooBig, {}};
    return {Outcome::Read, *text};
}

std::optional<std::string> SimMapiLibrary::ReadStringPropStream(platform::MapiMessage& message, platform::PropTag tag,
                                                                std::size_t limit) {
    const auto* sim_message = dynamic_cast<const SimMapiMessage*>(&message);
    if (sim_message == nullptr) return std::nullopt;
    const std::string* text = Held(*sim_message, tag);
    if (text == nullptr) return std::nullopt;
    return text->substr(0, limit);
}

std::optional<platform::PropTag> SimMapiLibrary::NamedPropertyTag(platform::MapiMessage& message,
                                                                  const platform::NamedProperty& property,
                                                                  std::uint16_t type) {
    const auto* sim_message = dynamic_cast<const SimMapiMessage*>(&message);
    if (sim_message == nullptr) return std::nullopt;
    return sim_message->Store().TagOf(property, type);
}

}  // namespace tarn::host::sim
