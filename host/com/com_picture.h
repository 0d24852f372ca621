#pragma once

#include <windows.h>
#include <oaidl.h>

#include "host/picture.h"
#include "platform/win32/com_ptr.h"

namespace tarn::host::com {

// A picture as OLE hands pictures around (IPictureDisp over a bitmap it owns), for a button's
// Picture and Mask. Raises std::runtime_error when Windows cannot make it.
platform::ComPtr<IDispatch> MakePictureDisp(const host::Picture& picture);

}  // namespace tarn::host::com
