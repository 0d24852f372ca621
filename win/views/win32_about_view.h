#pragma once

#include <windows.h>

#include "dialogs/about_view.h"
#include "platform/diagnostics.h"
#include "win/views/dialog_support.h"

namespace tarn::win {

// The about window on the screen: a modal tool window, always on top and centred over
// Outlook, the size of the product picture with the product's name written over its sky and
// the web site button over its water. What the presenter sets before showing is kept and
// applied when the window is made.
class Win32AboutView final : public dialogs::AboutView {
public:
    explicit Win32AboutView(platform::Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    void SetEvents(dialogs::AboutViewEvents* events) override { events_ = events; }
    void SetCharSet(std::uint8_t char_set) override { char_set_ = char_set; }
    void SetTitle(const std::u16string& title) override { title_ = title; }
    void SetButtonCaption(const std::u16string& caption) override { button_caption_ = caption; }
    void ShowModal(std::optional<std::chrono::milliseconds> close_after) override;

    // The dialog procedure's view of the window; see ViewDialogProcedure.
    INT_PTR Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

private:
    void Initialise(HWND window);
    void LayOut();
    void Paint();

    platform::Diagnostics& diagnostics_;
    dialogs::AboutViewEvents* events_ = nullptr;
    std::uint8_t char_set_ = DEFAULT_CHARSET;
    std::u16string title_;
    std::u16string button_caption_;
    std::optional<std::chrono::milliseconds> close_after_;
    HWND window_ = nullptr;
    Bitmap picture_;
    Font button_font_;
    Font name_font_;
    Font tagline_font_;
};

}  // namespace tarn::win
