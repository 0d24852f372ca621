#pragma once

#include <cstdint>
#include <string>

namespace tarn::dialogs {

// What the progress window's presenter hears from its window: the three ways of pressing
// the cancel button.
class ProgressViewEvents {
public:
    virtual ~ProgressViewEvents() = default;
    virtual void btncancelClick() = 0;
    virtual void btncancelKeyDown() = 0;
    virtual void btncancelMouseDown() = 0;
};

// The progress window as the presenter drives it: a modeless window with a progress bar
// (PBNbmsgs), two bold status labels (lblSpam, LblLegit), a detail line (ST) and a cancel
// button (btncancel).
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetEvents(ProgressViewEvents* events) = 0;
    virtual void SetCharSet(std::uint8_t char_set) = 0;
    virtual void SetTitle(const std::u16string& title) = 0;
    virtual void SetCancelCaption(const std::u16string& caption) = 0;
    virtual void SetCancelEnabled(bool enabled) = 0;
    virtual bool CancelEnabled() const = 0;
    virtual void SetSpamText(const std::u16string& text) = 0;
    virtual void SetLegitText(const std::u16string& text) = 0;
    virtual void SetLegitVisible(bool visible) = 0;
    virtual void SetDetail(const std::u16string& text) = 0;
    virtual void SetMaximum(int maximum) = 0;
    virtual void SetPosition(int position) = 0;
    virtual void Show() = 0;
    virtual void Repaint() = 0;
    virtual void Close() = 0;
};

}  // namespace tarn::dialogs
