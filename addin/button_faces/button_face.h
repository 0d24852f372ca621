#pragma once

#include <cstdint>
#include <optional>

#include "addin/button_face_source.h"
#include "host/picture.h"

namespace tarn::addin {

// A button's face from its picture: every pixel of the transparent colour (the picture's
// bottom-left pixel's when none is given) takes the fill colour, the toolbar's own; the mask
// is white there and black elsewhere.
FaceAndMask MakeButtonFace(const host::Picture& picture, std::optional<std::uint32_t> transparent_colour,
                           std::uint32_t fill_colour);

}  // namespace tarn::addin
