#pragma once

#include <string>
#include <vector>

#include "addin/button_face_source.h"

namespace tarn::test_support {

// Button faces for tests: each face is a 1 × 1 picture whose pixel numbers the request, so a
// test can tell which face a button got; every request is kept.
class FakeButtonFaces final : public addin::ButtonFaceSource {
public:
    addin::FaceAndMask Face(std::string_view bitmap_name, std::optional<std::uint32_t> transparent_colour) override {
        requests.push_back({std::string(bitmap_name), transparent_colour});
        const auto number = static_cast<std::uint32_t>(requests.size());
        return {{1, 1, {number}}, {1, 1, {0xFFFFFF}}};
    }

    struct Request {
        std::string bitmap;
        std::optional<std::uint32_t> transparent_colour;
    };
    std::vector<Request> requests;
};

}  // namespace tarn::test_support
