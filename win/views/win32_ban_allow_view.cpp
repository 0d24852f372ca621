#include "win/views/win32_ban_allow_view.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "dialogs/dialog_error.h"
#include "platform/win32/own_module.h"
#include "win/views/access_keys.h"
#include "win/views/view_resources.h"
#include "win/views/view_scope.h"

namespace tarn::win {

namespace {

constexpr COLORREF PaleYellow = RGB(255, 255, 204);
constexpr UINT_PTR BodyPaneSubclass = 1;
constexpr int TextControls[] = {IDC_LBLSELECT, IDC_EAE, IDC_BTNBAN, IDC_BTNALLOW, IDC_BTNMORE, IDC_BTNCLOSE,
                                IDC_LABEL2, IDC_MEMO1};
// The buttons, in the order in which they choose their access keys.
constexpr int Buttons[] = {IDC_BTNBAN, IDC_BTNALLOW, IDC_BTNMORE, IDC_BTNCLOSE};

bool IsButton(int control) { return std::ranges::find(Buttons, control) != std::end(Buttons); }

// A multi-line edit control breaks lines only at CR LF; a message body may hold bare LFs.
std::u16string WithWindowsLineBreaks(const std::u16string& text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == u'\n' && (at == 0 || text[at - 1] != u'\r')) shown += u'\r';
        shown += text[at];
    }
    return shown;
}

}  // namespace

Win32BanAllowView::Win32BanAllowView(platform::Diagnostics& diagnostics)
    : diagnostics_(diagnostics), background_(CreateSolidBrush(PaleYellow)) {}

void Win32BanAllowView::SetTitle(const std::u16string& title) {
    title_ = title;
    if (window_ != nullptr) SetWindowTextW(window_, Wide(title));
}

void Win32BanAllowView::SetInstruction(const std::u16string& text) { SetControlText(IDC_LBLSELECT, text); }
void Win32BanAllowView::SetBanCaption(const std::u16string& caption) { SetControlText(IDC_BTNBAN, caption); }
void Win32BanAllowView::SetAllowCaption(const std::u16string& caption) { SetControlText(IDC_BTNALLOW, caption); }
void Win32BanAllowView::SetCloseCaption(const std::u16string& caption) { SetControlText(IDC_BTNCLOSE, caption); }
void Win32BanAllowView::SetEntryText(const std::u16string& text) { SetControlText(IDC_EAE, text); }
std::u16string Win32BanAllowView::EntryText() const { return ControlText(IDC_EAE); }
std::u16string Win32BanAllowView::EntrySelection() const { return ControlSelection(IDC_EAE); }

void Win32BanAllowView::SetBodyText(const std::u16string& text) {
    SetControlText(IDC_MEMO1, WithWindowsLineBreaks(text));
}

std::u16string Win32BanAllowView::BodyText() const { return ControlText(IDC_MEMO1); }
std::u16string Win32BanAllowView::BodySelection() const { return ControlSelection(IDC_MEMO1); }
void Win32BanAllowView::SetMoreCaption(const std::u16string& caption) { SetControlText(IDC_BTNMORE, caption); }
std::u16string Win32BanAllowView::MoreCaption() const { return ControlText(IDC_BTNMORE); }

void Win32BanAllowView::SetMoreEnabled(bool enabled) {
    more_enabled_ = enabled;
    if (window_ != nullptr) EnableWindow(GetDlgItem(window_, IDC_BTNMORE), enabled ? TRUE : FALSE);
}

void Win32BanAllowView::SetOuterHeight(int pixels) {
    outer_height_ = pixels;
    if (window_ != nullptr) ApplyHeight();
}

void Win32BanAllowView::SetControlText(int control, const std::u16string& text) {
    texts_[control] = text;
    if (window_ == nullptr) return;
    if (IsButton(control)) ShowButtonCaptions();
    else SetDlgItemTextW(window_, control, Wide(text));
}

// The buttons' captions with their access keys, chosen again as a whole so that More and Less
// each find a free key.
void Win32BanAllowView::ShowButtonCaptions() {
    AccessKeys keys;
    for (const int button : Buttons) {
        const auto text = texts_.find(button);
        if (text != texts_.end()) SetDlgItemTextW(window_, button, Wide(keys.Mark(text->second)));
    }
}

// A button's caption is the presenter's; what the user typed or left is read off the window.
std::u16string Win32BanAllowView::ControlText(int control) const {
    if (window_ != nullptr && !IsButton(control)) return WindowText(GetDlgItem(window_, control));
    const auto found = texts_.find(control);
    return found == texts_.end() ? std::u16string() : found->second;
}

std::u16string Win32BanAllowView::ControlSelection(int control) const {
    if (window_ == nullptr) return {};
    DWORD start = 0;
    DWORD end = 0;
    SendDlgItemMessageW(window_, control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::u16string text = ControlText(control);
    if (end <= start || start >= text.size()) return {};
    return text.substr(start, end - start);
}

// The window keeps its width and takes the presenter's height; the label and the body pane
// are shown only when the client area holds them, so that Tab never reaches a hidden pane.
void Win32BanAllowView::ApplyHeight() {
    RECT frame;
    GetWindowRect(window_, &frame);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, Scaled(window_, outer_height_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(window_, &client);
    HWND pane = GetDlgItem(window_, IDC_MEMO1);
    RECT pane_frame;
    GetWindowRect(pane, &pane_frame);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&pane_frame), 2);
    const int show = pane_frame.bottom <= client.bottom ? SW_SHOWNA : SW_HIDE;
    ShowWindow(pane, show);
    ShowWindow(GetDlgItem(window_, IDC_LABEL2), show);
}

dialogs::ModalResult Win32BanAllowView::ShowModal() {
    const ViewScope scope;
    // Owned by Outlook's active window, so that Outlook waits while the dialog is up.
    const INT_PTR shown = DialogBoxParamW(platform::OwnModule(), MAKEINTRESOURCEW(IDD_BANALLOW), GetActiveWindow(),
                                          &ViewDialogProcedure<Win32BanAllowView>, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    if (shown == -1) {
        throw dialogs::DialogError("the allow or ban dialog cannot be shown (system error " +
                                   std::to_string(GetLastError()) + ")");
    }
    return ModalResultOf(shown);
}

void Win32BanAllowView::CloseWith(dialogs::ModalResult result) {
    if (window_ != nullptr) EndDialog(window_, DialogCodeOf(result));
}

void Win32BanAllowView::Initialise(HWND window) {
    window_ = window;
    SetWindowTextW(window, Wide(title_));
    for (const auto& [control, text] : texts_) {
        if (!IsButton(control)) SetDlgItemTextW(window, control, Wide(text));
    }
    ShowButtonCaptions();
    EnableWindow(GetDlgItem(window, IDC_BTNMORE), more_enabled_ ? TRUE : FALSE);
    SetWindowSubclass(GetDlgItem(window, IDC_MEMO1), &BodyPaneProcedure, BodyPaneSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
    ApplyDpi();
    SendMessageW(window, DM_REPOSITION, 0, 0);
}

// The font in the language's character set, the glyphs and the height, for the monitor's DPI.
void Win32BanAllowView::ApplyDpi() {
    font_ = Font(DialogFontIn(window_, char_set_, false));
    for (const int control : TextControls) {
        SendDlgItemMessageW(window_, control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
    ban_glyph_ = ButtonGlyph(window_, GLYPH_BAN);
    allow_glyph_ = ButtonGlyph(window_, GLYPH_ALLOW);
    SetButtonGlyph(GetDlgItem(window_, IDC_BTNBAN), ban_glyph_.Get(), BUTTON_IMAGELIST_ALIGN_TOP);
    SetButtonGlyph(GetDlgItem(window_, IDC_BTNALLOW), allow_glyph_.Get(), BUTTON_IMAGELIST_ALIGN_TOP);
    ApplyHeight();
}

// The entry and the body pane as the user left them, for the presenter to read afterwards.
void Win32BanAllowView::KeepTexts() {
    for (const int control : {IDC_EAE, IDC_MEMO1}) texts_[control] = WindowText(GetDlgItem(window_, control));
}

void Win32BanAllowView::Report(void (dialogs::BanAllowViewEvents::*handler)()) noexcept {
    if (events_ != nullptr) platform::Contain(diagnostics_, "allow or ban dialog", [&] { (events_->*handler)(); });
}

INT_PTR Win32BanAllowView::Handle(HWND window, UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            Initialise(window);
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wparam) != BN_CLICKED) return FALSE;
            switch (LOWORD(wparam)) {
                case IDC_BTNBAN: Report(&dialogs::BanAllowViewEvents::btnBanClick); return TRUE;
                case IDC_BTNALLOW: Report(&dialogs::BanAllowViewEvents::btnAllowClick); return TRUE;
                case IDC_BTNMORE: Report(&dialogs::BanAllowViewEvents::btnmoreClick); return TRUE;
                case IDC_BTNCLOSE:
                case IDCANCEL:  // Esc, and the close message
                    EndDialog(window, IDCANCEL);
                    return TRUE;
                default: return FALSE;
            }
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(background_.Get());
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(background_.Get());
        case WM_DPICHANGED:
            PostMessageW(window, ViewDpiChanged, 0, 0);
            return FALSE;
        case ViewDpiChanged:
            ApplyDpi();
            return TRUE;
        case WM_DESTROY:
            RemoveWindowSubclass(GetDlgItem(window, IDC_MEMO1), &BodyPaneProcedure, BodyPaneSubclass);
            KeepTexts();
            return FALSE;
        default:
            return FALSE;
    }
}

// A selection made with the mouse in the body pane is reported once the pane has taken it.
LRESULT CALLBACK Win32BanAllowView::BodyPaneProcedure(HWND pane, UINT message, WPARAM wparam, LPARAM lparam,
                                                      UINT_PTR, DWORD_PTR view) {
    const LRESULT result = DefSubclassProc(pane, message, wparam, lparam);
    if (message == WM_LBUTTONUP) reinterpret_cast<Win32BanAllowView*>(view)->Report(&dialogs::BanAllowViewEvents::Memo1MouseUp);
    return result;
}

}  // namespace tarn::win
