#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "dialogs/modal_result.h"
#include "platform/win32/unique_handle.h"

namespace tarn::win {

inline void DeleteGdiObject(HGDIOBJ object) noexcept { DeleteObject(object); }
using Brush = platform::UniqueHandle<HBRUSH, &DeleteGdiObject>;
using Font = platform::UniqueHandle<HFONT, &DeleteGdiObject>;
using Bitmap = platform::UniqueHandle<HBITMAP, &DeleteGdiObject>;
inline void DestroyImageList(HIMAGELIST list) noexcept { ImageList_Destroy(list); }
using ImageList = platform::UniqueHandle<HIMAGELIST, &DestroyImageList>;

inline const wchar_t* Wide(const std::u16string& text) noexcept { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string WindowText(HWND window);

// The dialog font of a dialog's template in the given character set, regular or bold, and
// `scale` times its height.
HFONT DialogFontIn(HWND dialog, std::uint8_t char_set, bool bold, double scale = 1.0);

// The window procedure of a view's dialog: WM_INITDIALOG's parameter is the view, which hears
// that message and every later one through its Handle(window, message, wparam, lparam).
template <class View>
INT_PTR CALLBACK ViewDialogProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lparam);
    auto* view = reinterpret_cast<View*>(GetWindowLongPtrW(window, DWLP_USER));
    return view == nullptr ? FALSE : view->Handle(window, message, wparam, lparam);
}

// A view's window moved to a monitor of another DPI: the view posts this to itself on
// WM_DPICHANGED and, once the dialog manager has scaled the template's controls and font,
// makes its own fonts, glyphs and pixel-placed parts again for the new DPI.
constexpr UINT ViewDpiChanged = WM_APP + 1;

// A modal result as a dialog's end code, and back: OK, No, and Cancel for anything else.
INT_PTR DialogCodeOf(dialogs::ModalResult result) noexcept;
dialogs::ModalResult ModalResultOf(INT_PTR code) noexcept;

// A bitmap of the library's resources, or none when it is missing.
Bitmap LoadPicture(int resource);

// Draws the whole picture stretched into the rectangle, smoothly.
void DrawPicture(HDC dc, HBITMAP picture, const RECT& into);

// The pictures of a strip drawn at 16 and at 32 pixels a side (magenta where transparent), as
// an image list of pictures 16 pixels a side at 96 DPI in the DPI of `window`'s monitor: the
// small strip at up to 125%, the large one above, scaled when the size is not its own.
HIMAGELIST StripImageList(HWND window, int strip16, int strip32, int count);

// One button glyph of the library's strip (GLYPH_BAN...), as an image list of its own that a
// button shows in all its states; the caller keeps it while the button lives.
ImageList ButtonGlyph(HWND window, int glyph);

// Shows the glyph on a push button beside its caption, at the given side (BUTTON_IMAGELIST_ALIGN_...).
void SetButtonGlyph(HWND button, HIMAGELIST glyph, UINT side);

// Pixels at 96 dots per inch, as the windows are designed, in the dots per inch of `window`'s
// monitor.
int Scaled(HWND window, int pixels_at_96);

}  // namespace tarn::win
