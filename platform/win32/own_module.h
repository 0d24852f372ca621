#pragma once

#include <windows.h>

namespace tarn::platform {

// The module this code is linked into: the add-in library, or a test program. Resources and
// window classes belong to it.
HMODULE OwnModule() noexcept;

}  // namespace tarn::platform
