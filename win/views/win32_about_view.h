#pragma once

#include <windows.h>

#include <chrono>
#include <optional>

#include "dialogs/about_view.h"
#include "platform/diagnostics.h"
#include "win/views/dialog_support.h"

namespace tarn::win {

// The about window on the screen: a tool window, always on top and centred over Outlook, the
// size of the product picture with the product's name written over its sky and the web site
// button over its water; modal for the toolbar's button, without waiting for the splash. What
// the presenter sets before showing is kept and applied when the window is made.
class Win32AboutView final : public dialogs::AboutView {
public:
    explicit Win32AboutView(platform::Diagnostics& diagnostics) : diagnostics_(diagnostics) {}
    ~Win32AboutView() override;
    Win32AboutView(const Win32AboutView&) = delete;
    Win32AboutView& operator=(const Win32AboutView&) = delete;

    void SetEvents(dialogs::AboutViewEvents* events) override { events_ = events; }
    void SetCharSet(std::uint8_t char_set) override { char_set_ = char_set; }
    void SetTitle(const std::u16string& title) override { title_ = title; }
    void SetButtonCaption(const std::u16string& caption) override { button_caption_ = caption; }
    void ShowModal() override;
    void ShowModeless(std::chrono::milliseconds close_after) override;
    // The window while it is on the screen, or null.
    HWND Window() const noexcept { return window_; }

    // The dialog procedure's view of the window; see ViewDialogProcedure.
    INT_PTR Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

private:
    void Initialise(HWND window);
    void LayOut();
    void Paint();
    void Close();

    platform::Diagnostics& diagnostics_;
    dialogs::AboutViewEvents* events_ = nullptr;
    std::uint8_t char_set_ = DEFAULT_CHARSET;
    std::u16string title_;
    std::u16string button_caption_;
    std::optional<std::chrono::milliseconds> close_after_;
    bool modeless_ = false;
    HWND window_ = nullptr;
    Bitmap picture_;
    Font button_font_;
    Font name_font_;
    Font tagline_font_;
};

}  // namespace tarn::win
