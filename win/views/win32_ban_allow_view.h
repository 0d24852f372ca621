#pragma once

#include <windows.h>

#include <map>

#include "dialogs/ban_allow_view.h"
#include "platform/diagnostics.h"
#include "win/views/dialog_support.h"

namespace tarn::win {

// The allow/ban dialog on the screen: a modal pale yellow tool window, always on top and
// centred, collapsed to its top strip or grown to show the fixed label and the body pane.
// What the presenter sets before showing is kept and applied when the window is made; what
// the user typed stays readable after it is gone. Esc, like Close, ends the showing with
// Cancel: it never adds anything to a list.
class Win32BanAllowView final : public dialogs::BanAllowView {
public:
    // A failure of the presenter's handler is written to `diagnostics`: nothing leaves the
    // window procedure into Outlook.
    explicit Win32BanAllowView(platform::Diagnostics& diagnostics);

    void SetEvents(dialogs::BanAllowViewEvents* events) override { events_ = events; }
    void SetCharSet(std::uint8_t char_set) override { char_set_ = char_set; }
    void SetTitle(const std::u16string& title) override;
    void SetInstruction(const std::u16string& text) override;
    void SetBanCaption(const std::u16string& caption) override;
    void SetAllowCaption(const std::u16string& caption) override;
    void SetCloseCaption(const std::u16string& caption) override;
    void SetEntryText(const std::u16string& text) override;
    std::u16string EntryText() const override;
    std::u16string EntrySelection() const override;
    void SetBodyText(const std::u16string& text) override;
    std::u16string BodyText() const override;
    std::u16string BodySelection() const override;
    void SetMoreCaption(const std::u16string& caption) override;
    std::u16string MoreCaption() const override;
    void SetMoreEnabled(bool enabled) override;
    void SetOuterHeight(int pixels) override;
    dialogs::ModalResult ShowModal() override;
    void CloseWith(dialogs::ModalResult result) override;

    // The dialog procedure's view of the window; see ViewDialogProcedure.
    INT_PTR Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

private:
    // A control's text as last set or typed; shown on the control while the window exists.
    void SetControlText(int control, const std::u16string& text);
    std::u16string ControlText(int control) const;
    void ShowButtonCaptions();
    void ApplyDpi();
    std::u16string ControlSelection(int control) const;
    void Initialise(HWND window);
    void ApplyHeight();
    void KeepTexts();
    void Report(void (dialogs::BanAllowViewEvents::*handler)()) noexcept;
    static LRESULT CALLBACK BodyPaneProcedure(HWND pane, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                              DWORD_PTR view);

    platform::Diagnostics& diagnostics_;
    dialogs::BanAllowViewEvents* events_ = nullptr;
    std::uint8_t char_set_ = DEFAULT_CHARSET;
    std::u16string title_;
    std::map<int, std::u16string> texts_;
    bool more_enabled_ = false;
    int outer_height_ = 150;
    HWND window_ = nullptr;
    Brush background_;
    Font font_;
    ImageList ban_glyph_;
    ImageList allow_glyph_;
};

}  // namespace tarn::win
