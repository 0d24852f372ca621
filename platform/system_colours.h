#pragma once

#include <cstdint>

namespace tarn::platform {

// The colour of the user's toolbar buttons (the system colour "button face"), as 0x00RRGGBB:
// what a button face shows where its picture is transparent.
std::uint32_t ButtonFaceColour();

}  // namespace tarn::platform
