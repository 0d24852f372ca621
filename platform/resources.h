#pragma once

#include <optional>
#include <string_view>

namespace tarn::platform {

// The bytes of a text resource (RCDATA) of the add-in's own module, found by name; none when
// the module has no resource of that name. The bytes live as long as the module.
std::optional<std::string_view> FindTextResource(std::string_view name);

}  // namespace tarn::platform
