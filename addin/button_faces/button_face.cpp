#include "addin/button_faces/button_face.h"

#include <stdexcept>

namespace tarn::addin {

namespace {

constexpr std::uint32_t Shows = 0x000000;       // the mask's black: the face shows
constexpr std::uint32_t Transparent = 0xFFFFFF; // the mask's white: the toolbar shows through

}  // namespace

FaceAndMask MakeButtonFace(const host::Picture& picture, std::optional<std::uint32_t> transparent_colour,
                           std::uint32_t fill_colour) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
        throw std::invalid_argument("a button face needs a picture with pixels");
    }
    const std::uint32_t bottom_left = picture.pixels[static_cast<std::size_t>(picture.height - 1) * picture.width];
    const std::uint32_t transparent = transparent_colour.value_or(bottom_left);
    FaceAndMask face{picture, {picture.width, picture.height, std::vector<std::uint32_t>(picture.pixels.size(), Shows)}};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        if (picture.pixels[i] != transparent) continue;
        face.face.pixels[i] = fill_colour;
        face.mask.pixels[i] = Transparent;
    }
    return face;
}

}  // namespace tarn::addin
