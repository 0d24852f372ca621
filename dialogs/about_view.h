#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
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
    // Shows the window modally and returns once it has closed: when the user closes it, or,
    // with close_after, at the latest when the window's own timer runs out after that long.
    // Throws DialogError when the window cannot be shown.
    virtual void ShowModal(std::optional<std::chrono::milliseconds> close_after) = 0;
};

}  // namespace tarn::dialogs
