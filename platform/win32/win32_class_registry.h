#pragma once

#include "platform/class_registry.h"

namespace tarn::platform {

// The classes COM resolves on this machine (CLSIDFromProgID).
class Win32ClassRegistry final : public ClassRegistry {
public:
    bool HasClass(std::u16string_view prog_id) override;
};

}  // namespace tarn::platform
