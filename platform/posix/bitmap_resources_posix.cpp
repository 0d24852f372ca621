// On Linux the bitmaps are compiled in as the .bmp files the build made, under "BITMAP:name".
#include <string>

#include "platform/bitmap_resources.h"
#include "platform/resources.h"

namespace tarn::platform {

namespace {

constexpr std::size_t FileHeaderSize = 14;  // "BM", sizes and the offset of the pixels

}  // namespace

std::optional<std::string_view> FindBitmapResource(std::string_view name) {
    auto bytes = FindTextResource("BITMAP:" + std::string(name));
    if (!bytes) return std::nullopt;
    if (bytes->size() >= FileHeaderSize && bytes->starts_with("BM")) bytes->remove_prefix(FileHeaderSize);
    return bytes;
}

}  // namespace tarn::platform
