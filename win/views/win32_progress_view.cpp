#include "win/views/win32_progress_view.h"

#include <commctrl.h>

#include <string>

#include "dialogs/dialog_error.h"
#include "platform/diagnostics.h"
#include "platform/win32/own_module.h"
#include "win/views/view_resources.h"
#include "win/views/view_scope.h"

namespace tarn::win {

namespace {

constexpr COLORREF PaleYellow = RGB(255, 255, 204);
constexpr UINT_PTR CancelButtonSubclass = 1;
// The picture's place in the window, in pixels at 96 DPI.
constexpr RECT PicturePlace{288, 36, 320, 68};

}  // namespace

Win32ProgressView::Win32ProgressView(platform::Diagnostics& diagnostics)
    : diagnostics_(diagnostics), background_(CreateSolidBrush(PaleYellow)), picture_(LoadPicture(IDB_PROGRESS)) {
    const ViewScope scope;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateDialogParamW(platform::OwnModule(), MAKEINTRESOURCEW(IDD_PROGRESS), nullptr, &ViewDialogProcedure<Win32ProgressView>,
                                 reinterpret_cast<LPARAM>(this));
    if (window_ == nullptr) {
        throw dialogs::DialogError("the progress window cannot be created (system error " + std::to_string(GetLastError()) +
                                   ")");
    }
    SetWindowSubclass(GetDlgItem(window_, IDC_BTNCANCEL), &CancelButtonProcedure, CancelButtonSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
    SetCharSet(DEFAULT_CHARSET);
}

Win32ProgressView::~Win32ProgressView() { Close(); }

void Win32ProgressView::SetEvents(dialogs::ProgressViewEvents* events) { events_ = events; }

void Win32ProgressView::SetCharSet(std::uint8_t char_set) {
    char_set_ = char_set;
    Font regular(DialogFontIn(window_, char_set, false));
    Font bold(DialogFontIn(window_, char_set, true));
    for (const int control : {IDC_ST, IDC_BTNCANCEL}) {
        SendDlgItemMessageW(window_, control, WM_SETFONT, reinterpret_cast<WPARAM>(regular.Get()), TRUE);
    }
    for (const int control : {IDC_LBLSPAM, IDC_LBLLEGIT}) {
        SendDlgItemMessageW(window_, control, WM_SETFONT, reinterpret_cast<WPARAM>(bold.Get()), TRUE);
    }
    regular_font_ = std::move(regular);
    bold_font_ = std::move(bold);
}

void Win32ProgressView::SetTitle(const std::u16string& title) { SetWindowTextW(window_, Wide(title)); }
void Win32ProgressView::SetCancelCaption(const std::u16string& caption) { SetText(IDC_BTNCANCEL, caption); }

void Win32ProgressView::SetCancelEnabled(bool enabled) {
    EnableWindow(GetDlgItem(window_, IDC_BTNCANCEL), enabled ? TRUE : FALSE);
}

bool Win32ProgressView::CancelEnabled() const { return IsWindowEnabled(GetDlgItem(window_, IDC_BTNCANCEL)) != FALSE; }
void Win32ProgressView::SetSpamText(const std::u16string& text) { SetText(IDC_LBLSPAM, text); }
void Win32ProgressView::SetLegitText(const std::u16string& text) { SetText(IDC_LBLLEGIT, text); }

void Win32ProgressView::SetLegitVisible(bool visible) {
    ShowWindow(GetDlgItem(window_, IDC_LBLLEGIT), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32ProgressView::SetDetail(const std::u16string& text) { SetText(IDC_ST, text); }

void Win32ProgressView::SetMaximum(int maximum) {
    SendDlgItemMessageW(window_, IDC_PBNBMSGS, PBM_SETRANGE32, 0, maximum);
}

void Win32ProgressView::SetPosition(int position) { SendDlgItemMessageW(window_, IDC_PBNBMSGS, PBM_SETPOS, position, 0); }

void Win32ProgressView::Show() { ShowWindow(window_, SW_SHOWNORMAL); }

void Win32ProgressView::Repaint() {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32ProgressView::Close() {
    if (window_ == nullptr) return;
    RemoveWindowSubclass(GetDlgItem(window_, IDC_BTNCANCEL), &CancelButtonProcedure, CancelButtonSubclass);
    DestroyWindow(std::exchange(window_, nullptr));
}

void Win32ProgressView::SetText(int control, const std::u16string& text) { SetDlgItemTextW(window_, control, Wide(text)); }

void Win32ProgressView::Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    DrawPicture(dc, picture_.Get(),
                {Scaled(window, PicturePlace.left), Scaled(window, PicturePlace.top), Scaled(window, PicturePlace.right),
                 Scaled(window, PicturePlace.bottom)});
    EndPaint(window, &paint);
}

template <class Handler>
void Win32ProgressView::Report(Handler&& handler) noexcept {
    if (events_ != nullptr) platform::Contain(diagnostics_, "progress window", [&] { handler(*events_); });
}

INT_PTR Win32ProgressView::Handle(HWND window, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDC_BTNCANCEL && HIWORD(wparam) == BN_CLICKED) {
                Report([](dialogs::ProgressViewEvents& events) { events.btncancelClick(); });
                return TRUE;
            }
            return FALSE;
        case WM_PAINT:
            Paint(window);
            return TRUE;
        case WM_DPICHANGED:
            PostMessageW(window, ViewDpiChanged, 0, 0);
            return FALSE;
        case ViewDpiChanged:  // the fonts again; the picture is placed for the DPI as it is painted
            SetCharSet(char_set_);
            InvalidateRect(window, nullptr, TRUE);
            return TRUE;
        case WM_CLOSE:
            ShowWindow(window_, SW_HIDE);  // the close box hides; the command destroys the window
            return TRUE;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(background_.Get());
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(background_.Get());
        default:
            return FALSE;
    }
}

LRESULT CALLBACK Win32ProgressView::CancelButtonProcedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                                          UINT_PTR, DWORD_PTR view_data) {
    auto* view = reinterpret_cast<Win32ProgressView*>(view_data);
    if (message == WM_KEYDOWN) view->Report([](dialogs::ProgressViewEvents& events) { events.btncancelKeyDown(); });
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        view->Report([](dialogs::ProgressViewEvents& events) { events.btncancelMouseDown(); });
    }
    return DefSubclassProc(button, message, wparam, lparam);
}

}  // namespace tarn::win
