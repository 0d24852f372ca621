#include "platform/posix/embedded_resources.h"

#include <map>
#include <string>

#include "platform/resources.h"

namespace tarn::platform {

namespace {

std::map<std::string, std::string_view, std::less<>>& Registry() {
    static std::map<std::string, std::string_view, std::less<>> registry;
    return registry;
}

}  // namespace

void RegisterEmbeddedResource(std::string_view name, std::string_view bytes) {
    Registry().insert_or_assign(std::string(name), bytes);
}

std::optional<std::string_view> FindTextResource(std::string_view name) {
    const auto& registry = Registry();
    const auto found = registry.find(name);
    if (found == registry.end()) return std::nullopt;
    return found->second;
}

}  // namespace tarn::platform
