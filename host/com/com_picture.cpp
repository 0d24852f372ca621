#include "host/com/com_picture.h"

#include <olectl.h>

#include <cstring>
#include <stdexcept>

namespace tarn::host::com {

platform::ComPtr<IDispatch> MakePictureDisp(const host::Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
        throw std::invalid_argument("a picture needs its pixels");
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first, as the picture holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) throw std::runtime_error("Windows cannot make the button's bitmap");
    // 0x00RRGGBB is what a 32-bit DIB holds, B G R in memory.
    std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(PICTDESC);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    platform::ComPtr<IDispatch> disp;
    // The picture owns the bitmap from here on.
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(disp.Put())))) {
        DeleteObject(bitmap);
        throw std::runtime_error("Windows cannot make the button's picture");
    }
    return disp;
}

}  // namespace tarn::host::com
