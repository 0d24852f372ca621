#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/picture.h"

namespace tarn::addin {

// A button's face as Office takes it: the picture, its transparent pixels in the toolbar's
// colour, and the mask (white where the picture is transparent).
struct FaceAndMask {
    host::Picture face;
    host::Picture mask;
};

// Where the faces of the add-in's buttons come from: the bitmaps of the add-in library.
class ButtonFaceSource {
public:
    virtual ~ButtonFaceSource() = default;
    // The face of the named bitmap; the transparent colour is the bitmap's bottom-left pixel
    // when none is given. Raises when there is no such bitmap.
    virtual FaceAndMask Face(std::string_view bitmap_name, std::optional<std::uint32_t> transparent_colour) = 0;
};

}  // namespace tarn::addin
