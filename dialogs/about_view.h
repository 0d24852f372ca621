#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace tarn::dialogs {

// What the about window's presenter hears from its window.
class AboutViewEvents {
public:
    virtual ~AboutViewEvents() = default;
    virtual void btnGotowebClick() = 0;
};

// The about window as the presenter drives it: a tool window, always on top and centred, the
// size of its picture, with one button (btnGotoweb) at the lower right.
class AboutView {
public:
    virtual ~AboutView() = default;
    virtual void SetEvents(AboutViewEvents* events) = 0;
    virtual void SetCharSet(std::uint8_t char_set) = 0;
    virtual void SetTitle(const std::u16string& title) = 0;
    virtual void SetButtonCaption(const std::u16string& caption) = 0;
    // Shows the window modally and returns once the user has closed it. Throws DialogError when
    // the window cannot be shown.
    virtual void ShowModal() = 0;
    // Shows the window and returns at once: it closes by itself when its own timer runs out
    // after `close_after`, or when the user clicks it or closes it. Destroying the view takes
    // the window away if it is still there. Throws DialogError when it cannot be shown.
    virtual void ShowModeless(std::chrono::milliseconds close_after) = 0;
};

}  // namespace tarn::dialogs
