#include "addin/button_faces/dib_picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarn::addin {

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::int32_t LargestSide = 1024;    // a toolbar face is far smaller
constexpr std::uint32_t Uncompressed = 0;     // BI_RGB

// Little-endian reads that never pass the end of the bytes.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    std::uint32_t U32(std::size_t at) const { return Byte(at) | Byte(at + 1) << 8 | Byte(at + 2) << 16 | Byte(at + 3) << 24; }
    std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(Byte(at) | Byte(at + 1) << 8); }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    std::uint32_t Byte(std::size_t at) const {
        if (at >= bytes_.size()) throw BitmapError("the bitmap is cut short at byte " + std::to_string(at));
        return static_cast<unsigned char>(bytes_[at]);
    }
    std::uint32_t Colour(std::size_t at) const { return Byte(at + 2) << 16 | Byte(at + 1) << 8 | Byte(at); }  // B, G, R

private:
    std::string_view bytes_;
};

}  // namespace

host::Picture DecodeDib(std::string_view bytes) {
    const Reader read(bytes);
    const std::uint32_t header_size = read.U32(0);
    if (header_size < InfoHeaderSize || header_size > bytes.size()) {
        throw BitmapError("not a bitmap: its header size is " + std::to_string(header_size));
    }
    const std::int32_t width = read.I32(4);
    const std::int32_t signed_height = read.I32(8);
    const std::uint16_t bits = read.U16(14);
    if (read.U16(12) != 1) throw BitmapError("a bitmap has one plane");
    if (read.U32(16) != Uncompressed) throw BitmapError("the bitmap is compressed");
    if (bits != 8 && bits != 24) throw BitmapError("a bitmap of " + std::to_string(bits) + " bits per pixel");
    const std::int32_t height = signed_height < 0 ? -static_cast<std::int64_t>(signed_height) : signed_height;
    if (width <= 0 || width > LargestSide || height <= 0 || height > LargestSide) {
        throw BitmapError("a bitmap of " + std::to_string(width) + " x " + std::to_string(signed_height) + " pixels");
    }

    std::vector<std::uint32_t> palette;
    if (bits == 8) {
        const std::uint32_t used = read.U32(32);
        if (used > 256) throw BitmapError("a palette of " + std::to_string(used) + " colours");
        palette.resize(used == 0 ? 256 : used);
        for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = read.Colour(header_size + 4 * i);
    }
    const std::size_t pixels_at = header_size + 4 * palette.size();
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    if (pixels_at + stride * static_cast<std::size_t>(height) > bytes.size()) {
        throw BitmapError("the bitmap's pixels are cut short");
    }

    host::Picture picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    const bool bottom_up = signed_height > 0;
    for (std::int32_t row = 0; row < height; ++row) {
        const std::size_t stored = pixels_at + stride * static_cast<std::size_t>(bottom_up ? height - 1 - row : row);
        for (std::int32_t column = 0; column < width; ++column) {
            std::uint32_t colour;
            if (bits == 8) {
                const std::uint32_t index = read.Byte(stored + static_cast<std::size_t>(column));
                if (index >= palette.size()) throw BitmapError("a pixel names colour " + std::to_string(index) + " of the palette's " + std::to_string(palette.size()));
                colour = palette[index];
            } else {
                colour = read.Colour(stored + 3 * static_cast<std::size_t>(column));
            }
            picture.pixels[static_cast<std::size_t>(row) * width + column] = colour;
        }
    }
    return picture;
}

}  // namespace tarn::addin
