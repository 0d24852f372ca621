#include "win/views/dialog_support.h"

#include "platform/win32/own_module.h"
#include "win/views/view_resources.h"

namespace tarn::win {

namespace {

constexpr UINT DesignDpi = 96;

// GetDpiForWindow where Windows has it (Windows 10 1607 and later), else the screen's.
UINT DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto get_dpi_for_window = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (get_dpi_for_window != nullptr) {
        if (const UINT dpi = get_dpi_for_window(window); dpi != 0) return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : DesignDpi;
}

}  // namespace

std::u16string WindowText(HWND window) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int length = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

HFONT DialogFontIn(HWND dialog, std::uint8_t char_set, bool bold, double scale) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfCharSet = char_set;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfHeight = static_cast<LONG>(font.lfHeight * scale);
    return CreateFontIndirectW(&font);
}

INT_PTR DialogCodeOf(dialogs::ModalResult result) noexcept {
    switch (result) {
        case dialogs::ModalResult::Ok: return IDOK;
        case dialogs::ModalResult::No: return IDNO;
        case dialogs::ModalResult::Cancel: break;
    }
    return IDCANCEL;
}

dialogs::ModalResult ModalResultOf(INT_PTR code) noexcept {
    if (code == IDOK) return dialogs::ModalResult::Ok;
    if (code == IDNO) return dialogs::ModalResult::No;
    return dialogs::ModalResult::Cancel;
}

Bitmap LoadPicture(int resource) {
    return Bitmap(static_cast<HBITMAP>(
        LoadImageW(platform::OwnModule(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void DrawPicture(HDC dc, HBITMAP picture, const RECT& into) {
    BITMAP size{};
    if (picture == nullptr || GetObjectW(picture, sizeof size, &size) == 0) return;
    HDC picture_dc = CreateCompatibleDC(dc);
    HGDIOBJ before = SelectObject(picture_dc, picture);
    const int mode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);  // as HALFTONE asks
    StretchBlt(dc, into.left, into.top, into.right - into.left, into.bottom - into.top, picture_dc, 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
    SetStretchBltMode(dc, mode);
    SelectObject(picture_dc, before);
    DeleteDC(picture_dc);
}

HIMAGELIST StripImageList(HWND window, int strip16, int strip32, int count) {
    constexpr COLORREF MagentaMask = RGB(255, 0, 255);
    const int size = Scaled(window, 16);
    const bool large = size > 20;
    const int drawn = large ? 32 : 16;
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    const Bitmap strip = LoadPicture(large ? strip32 : strip16);
    if (list == nullptr || !strip) return list;
    if (size == drawn) {
        ImageList_AddMasked(list, strip.Get(), MagentaMask);
        return list;
    }
    // Scaled once, without smoothing, so that the transparent magenta stays exact.
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    Bitmap scaled(CreateCompatibleBitmap(screen, size * count, size));
    HGDIOBJ from_before = SelectObject(from, strip.Get());
    HGDIOBJ to_before = SelectObject(to, scaled.Get());
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, size * count, size, from, 0, 0, drawn * count, drawn, SRCCOPY);
    SelectObject(from, from_before);
    SelectObject(to, to_before);
    DeleteDC(from);
    DeleteDC(to);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(list, scaled.Get(), MagentaMask);
    return list;
}

ImageList ButtonGlyph(HWND window, int glyph) {
    const ImageList strip(StripImageList(window, IDB_GLYPHS16, IDB_GLYPHS32, GLYPH_COUNT));
    int width = 0;
    int height = 0;
    if (!strip || !ImageList_GetIconSize(strip.Get(), &width, &height)) return {};
    ImageList single(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 0));
    if (HICON icon = ImageList_GetIcon(strip.Get(), glyph, ILD_TRANSPARENT)) {
        ImageList_AddIcon(single.Get(), icon);
        DestroyIcon(icon);
    }
    return single;
}

void SetButtonGlyph(HWND button, HIMAGELIST glyph, UINT side) {
    if (glyph == nullptr) return;
    BUTTON_IMAGELIST images{};
    images.himl = glyph;
    images.margin = {Scaled(button, 3), Scaled(button, 3), Scaled(button, 3), Scaled(button, 3)};
    images.uAlign = side;
    SendMessageW(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
}

int Scaled(HWND window, int pixels_at_96) {
    return MulDiv(pixels_at_96, static_cast<int>(DpiOf(window)), static_cast<int>(DesignDpi));
}

}  // namespace tarn::win
