// Text and bitmap resources of the module that holds this code: the add-in library, or a test
// program.
#include <windows.h>

#include <string>

#include "platform/bitmap_resources.h"
#include "platform/resources.h"
#include "platform/win32/own_module.h"

namespace tarn::platform {

namespace {

std::optional<std::string_view> FindModuleResource(std::string_view name, LPCSTR type) {
    const HMODULE module = OwnModule();
    const std::string resource_name(name);
    HRSRC info = FindResourceA(module, resource_name.c_str(), type);
    if (info == nullptr) return std::nullopt;
    HGLOBAL handle = LoadResource(module, info);
    const void* bytes = handle != nullptr ? LockResource(handle) : nullptr;
    if (bytes == nullptr) return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(module, info));
}

}  // namespace

std::optional<std::string_view> FindTextResource(std::string_view name) {
    return FindModuleResource(name, MAKEINTRESOURCEA(10));  // RT_RCDATA
}

// A BITMAP resource holds the bitmap without the file header of its .bmp file.
std::optional<std::string_view> FindBitmapResource(std::string_view name) {
    return FindModuleResource(name, MAKEINTRESOURCEA(2));  // RT_BITMAP
}

}  // namespace tarn::platform
