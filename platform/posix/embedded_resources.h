#pragma once

#include <string_view>

namespace tarn::platform {

// On Linux the resources are compiled into the program: each embedded resource registers its
// bytes under its name before main runs. The bytes must outlive the program's use of them.
void RegisterEmbeddedResource(std::string_view name, std::string_view bytes);

}  // namespace tarn::platform
