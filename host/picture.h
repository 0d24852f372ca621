#pragma once

#include <cstdint>
#include <vector>

namespace tarn::host {

// A picture as the add-in hands it to Office for a button face: width × height pixels, the
// top row first, each pixel 0x00RRGGBB. The COM adapter turns it into an IPictureDisp.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool operator==(const Picture&) const = default;
};

}  // namespace tarn::host
