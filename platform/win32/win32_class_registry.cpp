#include "platform/win32/win32_class_registry.h"

#include <windows.h>
#include <objbase.h>

#include <string>

namespace tarn::platform {

bool Win32ClassRegistry::HasClass(std::u16string_view prog_id) {
    const std::u16string name(prog_id);
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(name.c_str()), &clsid))) return false;
    constexpr CLSID None{};
    return !IsEqualCLSID(clsid, None);
}

}  // namespace tarn::platform
