#pragma once

#include "addin/button_face_source.h"

namespace tarn::addin {

// The faces of the add-in's buttons from the bitmaps built into the add-in library, their
// transparent pixels in the colour of the user's toolbars.
class ResourceButtonFaces final : public ButtonFaceSource {
public:
    FaceAndMask Face(std::string_view bitmap_name, std::optional<std::uint32_t> transparent_colour) override;
};

}  // namespace tarn::addin
