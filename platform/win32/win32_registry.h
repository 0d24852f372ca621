#pragma once

#include "platform/registry.h"

namespace tarn::platform {

// The real registry under HKEY_CURRENT_USER.
class Win32Registry final : public Registry {
public:
    std::unique_ptr<RegistryKey> OpenKey(std::string_view path, bool create) override;
    void DeleteKey(std::string_view path) override;
};

}  // namespace tarn::platform
