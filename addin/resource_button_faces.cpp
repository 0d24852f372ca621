#include "addin/resource_button_faces.h"

#include <string>

#include "addin/button_faces/button_face.h"
#include "addin/button_faces/dib_picture.h"
#include "platform/bitmap_resources.h"
#include "platform/system_colours.h"

namespace tarn::addin {

FaceAndMask ResourceButtonFaces::Face(std::string_view bitmap_name, std::optional<std::uint32_t> transparent_colour) {
    const auto bitmap = platform::FindBitmapResource(bitmap_name);
    if (!bitmap) throw BitmapError("the add-in has no bitmap " + std::string(bitmap_name));
    try {
        return MakeButtonFace(DecodeDib(*bitmap), transparent_colour, platform::ButtonFaceColour());
    } catch (const BitmapError& error) {
        throw BitmapError("the bitmap " + std::string(bitmap_name) + " is damaged: " + error.what());
    }
}

}  // namespace tarn::addin
