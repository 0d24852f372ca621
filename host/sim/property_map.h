#pragma once

#include <map>
#include <string>

#include "platform/mapi.h"

namespace tarn::host::sim {

// The Extended MAPI string properties of one stored item, by tag, as 8-bit text. A tag that
// is absent is a property the store does not hold.
using PropertyMap = std::map<platform::PropTag, std::string>;

}  // namespace tarn::host::sim
