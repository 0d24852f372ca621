#pragma once

#include <memory>
#include <string>

#include "dialogs/progress_view.h"
#include "store/captions.h"

namespace tarn::dialogs {

// The progress window every long command shows while it walks a folder. Its cancel button is
// the user's only way to stop such a command; the presenter keeps no cancel flag of its own:
// the command is cancelled once the button is disabled, and nothing enables it again.
class TFRMProcessmsgs final : public ProgressViewEvents {
public:
    // Creates the window (no owner) with the font's character set from the captions, the title,
    // the cancel button's caption (captions' btnClose) and the button enabled, ready to cancel.
    TFRMProcessmsgs(std::unique_ptr<ProgressView> view, const store::Captions& captions, const std::u16string& title);
    // Closes and destroys the window.
    ~TFRMProcessmsgs() override;
    TFRMProcessmsgs(const TFRMProcessmsgs&) = delete;
    TFRMProcessmsgs& operator=(const TFRMProcessmsgs&) = delete;

    void SetTitle(const std::u16string& title);
    void SetSpamLabel(const std::u16string& text);   // lblSpam
    void SetLegitLabel(const std::u16string& text);  // LblLegit
    void SetLegitVisible(bool visible);
    void SetDetail(const std::u16string& text);      // ST
    void SetMaximum(int maximum);
    void SetPosition(int position);
    // Commands call this as they start. The button is already enabled from the window's
    // creation; a cancel that came before stands, so a disabled button stays disabled.
    void EnableCancel();
    void Show();  // modeless
    void Repaint();
    bool Cancelled() const;  // the cancel button is no longer enabled

    // The cancel button, pressed by click, key or mouse: disables itself and repaints the
    // window at once, so the user sees the cancel taken. A second press changes nothing.
    void btncancelClick() override;
    void btncancelKeyDown() override;
    void btncancelMouseDown() override;

private:
    void Cancel();

    std::unique_ptr<ProgressView> view_;
};

}  // namespace tarn::dialogs
