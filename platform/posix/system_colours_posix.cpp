#include "platform/system_colours.h"

namespace tarn::platform {

// Windows' own default, which the simulator's toolbars take.
std::uint32_t ButtonFaceColour() { return 0xF0F0F0; }

}  // namespace tarn::platform
