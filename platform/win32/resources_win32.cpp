// Text resources of the module that holds this code: the add-in library, or a test program.
#include <windows.h>

#include <string>

#include "platform/resources.h"

namespace tarn::platform {

namespace {

HMODULE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&OwnModule), &module);
    return module;
}

}  // namespace

std::optional<std::string_view> FindTextResource(std::string_view name) {
    const HMODULE module = OwnModule();
    const std::string resource_name(name);
    HRSRC info = FindResourceA(module, resource_name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (info == nullptr) return std::nullopt;
    HGLOBAL handle = LoadResource(module, info);
    const void* bytes = handle != nullptr ? LockResource(handle) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(module, info));
}

}  // namespace tarn::platform
