#pragma once

#include "host/com/variant.h"
#include "host/picture.h"

namespace tarn::outlook {

// The pixels of a picture an add-in hands Office as an IPictureDisp (a button's Picture or
// Mask). Raises std::invalid_argument when the value is no bitmap picture.
host::Picture PictureOf(const host::com::Variant& value);

}  // namespace tarn::outlook
