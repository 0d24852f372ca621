#pragma once

#include <windows.h>

#include "dialogs/progress_view.h"
#include "platform/diagnostics.h"
#include "win/views/dialog_support.h"

namespace tarn::win {

// The progress window on the screen: a modeless dialog made from the library's template, pale
// yellow, with bold status labels and the product's letter-and-glass picture. The cancel button reports a click, a key pressed while it
// has the focus and a mouse button pressed over it. The close box only hides the window; the
// command destroys it.
class Win32ProgressView final : public dialogs::ProgressView {
public:
    // Throws dialogs::DialogError when the window cannot be made. A failure of the presenter's
    // handler is written to `diagnostics`: nothing leaves the window procedure into Outlook.
    explicit Win32ProgressView(platform::Diagnostics& diagnostics);
    ~Win32ProgressView() override;
    Win32ProgressView(const Win32ProgressView&) = delete;
    Win32ProgressView& operator=(const Win32ProgressView&) = delete;

    void SetEvents(dialogs::ProgressViewEvents* events) override;
    void SetCharSet(std::uint8_t char_set) override;
    void SetTitle(const std::u16string& title) override;
    void SetCancelCaption(const std::u16string& caption) override;
    void SetCancelEnabled(bool enabled) override;
    bool CancelEnabled() const override;
    void SetSpamText(const std::u16string& text) override;
    void SetLegitText(const std::u16string& text) override;
    void SetLegitVisible(bool visible) override;
    void SetDetail(const std::u16string& text) override;
    void SetMaximum(int maximum) override;
    void SetPosition(int position) override;
    void Show() override;
    void Repaint() override;
    void Close() override;

    HWND Window() const noexcept { return window_; }

    // The dialog procedure's view of the window; see ViewDialogProcedure.
    INT_PTR Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK CancelButtonProcedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                                  UINT_PTR id, DWORD_PTR view);
    // Runs a cancel handler of the presenter, containing what it raises.
    template <class Handler>
    void Report(Handler&& handler) noexcept;
    void SetText(int control, const std::u16string& text);
    void Paint(HWND window);

    platform::Diagnostics& diagnostics_;
    HWND window_ = nullptr;
    dialogs::ProgressViewEvents* events_ = nullptr;
    Brush background_;
    std::uint8_t char_set_ = 1;  // DEFAULT_CHARSET
    Font regular_font_;
    Font bold_font_;
    Bitmap picture_;
};

}  // namespace tarn::win
