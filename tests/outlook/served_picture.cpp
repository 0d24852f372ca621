#include "tests/outlook/served_picture.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <stdexcept>

#include "platform/win32/com_ptr.h"

namespace tarn::outlook {

host::Picture PictureOf(const host::com::Variant& value) {
    const auto picture = value.AsUnknown().As<IPicture>(IID_IPicture);
    if (!picture) throw std::invalid_argument("the value is no picture");
    short type = 0;
    OLE_HANDLE handle = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle))) {
        throw std::invalid_argument("the picture is no bitmap");
    }
    const auto bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP shape{};
    if (GetObjectW(bitmap, sizeof shape, &shape) == 0) throw std::invalid_argument("the picture's bitmap cannot be read");
    host::Picture pixels{shape.bmWidth, shape.bmHeight,
                         std::vector<std::uint32_t>(static_cast<std::size_t>(shape.bmWidth) * shape.bmHeight)};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = shape.bmWidth;
    info.bmiHeader.biHeight = -shape.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(shape.bmHeight), pixels.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != shape.bmHeight) throw std::invalid_argument("the picture's pixels cannot be read");
    for (auto& pixel : pixels.pixels) pixel &= 0x00FFFFFF;
    return pixels;
}

}  // namespace tarn::outlook
