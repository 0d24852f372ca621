#include "win/views/win32_about_view.h"

#include <string>

#include "dialogs/dialog_error.h"
#include "platform/win32/own_module.h"
#include "win/views/view_resources.h"
#include "win/views/view_scope.h"

namespace tarn::win {

namespace {

// The window's design at 96 dots per inch: the picture, and the button at its lower right.
constexpr int PictureWidth = 367;
constexpr int PictureHeight = 242;
constexpr int ButtonWidth = 225;
constexpr int ButtonHeight = 25;
constexpr int Margin = 10;
constexpr UINT_PTR CloseTimer = 1;

constexpr wchar_t ProductName[] = L"Orvik' Tarn";
constexpr wchar_t Tagline[] = L"Anti-spam for Microsoft Outlook";

}  // namespace

Win32AboutView::~Win32AboutView() {
    if (window_ != nullptr && modeless_) DestroyWindow(window_);
}

void Win32AboutView::ShowModal() {
    close_after_.reset();
    modeless_ = false;
    const ViewScope scope;
    // Owned by Outlook's active window, so that Outlook waits while the window is up.
    const INT_PTR shown = DialogBoxParamW(platform::OwnModule(), MAKEINTRESOURCEW(IDD_ABOUT), GetActiveWindow(),
                                          &ViewDialogProcedure<Win32AboutView>, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    if (shown == -1) {
        throw dialogs::DialogError("the about window cannot be shown (system error " + std::to_string(GetLastError()) +
                                   ")");
    }
}

void Win32AboutView::ShowModeless(std::chrono::milliseconds close_after) {
    if (window_ != nullptr) return;  // still on the screen
    close_after_ = close_after;
    modeless_ = true;
    const ViewScope scope;
    const HWND window = CreateDialogParamW(platform::OwnModule(), MAKEINTRESOURCEW(IDD_ABOUT), GetActiveWindow(),
                                           &ViewDialogProcedure<Win32AboutView>, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        throw dialogs::DialogError("the about window cannot be shown (system error " + std::to_string(GetLastError()) +
                                   ")");
    }
    // Shown without ever taking the keyboard from Outlook's window: never the active window, it
    // never becomes the owner of the next window the add-in shows either.
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
    ShowWindow(window, SW_SHOWNOACTIVATE);
}

// A modal window ends its dialog; one that does not wait is destroyed.
void Win32AboutView::Close() {
    if (modeless_) {
        DestroyWindow(window_);
    } else {
        EndDialog(window_, IDCANCEL);
    }
}

void Win32AboutView::Initialise(HWND window) {
    window_ = window;
    SetWindowTextW(window, Wide(title_));
    picture_ = LoadPicture(IDB_ABOUT);
    SetDlgItemTextW(window, IDC_BTNGOTOWEB, Wide(button_caption_));
    LayOut();
    SendMessageW(window, DM_REPOSITION, 0, 0);
    if (close_after_) SetTimer(window, CloseTimer, static_cast<UINT>(close_after_->count()), nullptr);
}

// The window fits the picture at the monitor's DPI, the button sits at its lower right.
void Win32AboutView::LayOut() {
    button_font_ = Font(DialogFontIn(window_, char_set_, false));
    name_font_ = Font(DialogFontIn(window_, DEFAULT_CHARSET, true, 2.6));
    tagline_font_ = Font(DialogFontIn(window_, DEFAULT_CHARSET, false, 1.2));
    RECT frame{0, 0, Scaled(window_, PictureWidth), Scaled(window_, PictureHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    // The splash never takes the keyboard from Outlook's window.
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | (modeless_ ? SWP_NOACTIVATE : 0));
    HWND button = GetDlgItem(window_, IDC_BTNGOTOWEB);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(button_font_.Get()), FALSE);
    SetWindowPos(button, nullptr, Scaled(window_, PictureWidth - Margin - ButtonWidth),
                 Scaled(window_, PictureHeight - Margin - ButtonHeight), Scaled(window_, ButtonWidth),
                 Scaled(window_, ButtonHeight), SWP_NOZORDER);
    InvalidateRect(window_, nullptr, TRUE);
}

void Win32AboutView::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT client;
    GetClientRect(window_, &client);
    if (picture_) {
        DrawPicture(dc, picture_.Get(), client);
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ before = SelectObject(dc, name_font_.Get());
    RECT name{Scaled(window_, 18), Scaled(window_, 14), client.right, client.bottom};
    DrawTextW(dc, ProductName, -1, &name, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, tagline_font_.Get());
    SetTextColor(dc, RGB(200, 220, 240));
    RECT tagline{Scaled(window_, 20), Scaled(window_, 58), client.right, client.bottom};
    DrawTextW(dc, Tagline, -1, &tagline, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, before);
    EndPaint(window_, &paint);
}

INT_PTR Win32AboutView::Handle(HWND window, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            Initialise(window);
            return modeless_ ? FALSE : TRUE;  // the splash takes no focus: that would activate it
        case WM_PAINT:
            Paint();
            return TRUE;
        case WM_DPICHANGED:
            PostMessageW(window, ViewDpiChanged, 0, 0);
            return FALSE;
        case ViewDpiChanged:
            LayOut();
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDC_BTNGOTOWEB && HIWORD(wparam) == BN_CLICKED) {
                if (events_ != nullptr) platform::Contain(diagnostics_, "about window", [this] { events_->btnGotowebClick(); });
                return TRUE;
            }
            if (LOWORD(wparam) == IDCANCEL) {  // Esc, as the close box
                Close();
                return TRUE;
            }
            return FALSE;
        case WM_TIMER:
            if (wparam != CloseTimer) return FALSE;
            KillTimer(window, CloseTimer);
            Close();
            return TRUE;
        case WM_LBUTTONDOWN:  // a click on the splash's picture puts it away
            if (!modeless_) return FALSE;
            Close();
            return TRUE;
        case WM_CLOSE:
            Close();
            return TRUE;
        case WM_DESTROY:
            window_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace tarn::win
