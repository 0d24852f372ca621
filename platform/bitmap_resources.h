#pragma once

#include <optional>
#include <string_view>

namespace tarn::platform {

// The bytes of a bitmap resource (BITMAP) of the add-in's own module, found by name, as
// Windows keeps them: a device-independent bitmap from its BITMAPINFOHEADER on, without the
// file header of a .bmp file. None when the module has no bitmap of that name.
std::optional<std::string_view> FindBitmapResource(std::string_view name);

}  // namespace tarn::platform
