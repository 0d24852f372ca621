#include "host/sim/sim_mapi.h"

namespace tarn::host::sim {

std::unique_ptr<platform::MapiMessage> SimMapiObject::QueryMessage() {
    if (!answers_message_) return nullptr;
    return std::make_unique<SimMapiMessage>(properties_);
}

std::optional<std::string> SimMapiLibrary::GetOneStringProp(platform::MapiMessage& message, platform::PropTag tag) {
    const auto* sim_message = dynamic_cast<const SimMapiMessage*>(&message);
    if (sim_message == nullptr) return std::nullopt;
    const auto found = sim_message->Properties().find(tag);
    if (found == sim_message->Properties().end()) return std::nullopt;
    return found->second;
}

}  // namespace tarn::host::sim
