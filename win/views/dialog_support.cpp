#include "win/views/dialog_support.h"

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

int Scaled(HWND window, int pixels_at_96) {
    return MulDiv(pixels_at_96, static_cast<int>(DpiOf(window)), static_cast<int>(DesignDpi));
}

}  // namespace tarn::win
