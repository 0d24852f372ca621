#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/progress_view.h"

namespace tarn::dialogs {

class HeadlessDialogFactory;

// Everything a headless progress window showed, kept after the window is gone. The initial
// values are the window's designed state.
struct ProgressWindowRecord {
    std::uint8_t char_set = 1;  // the default character set until one is set
    std::u16string title;
    std::u16string cancel_caption;
    bool cancel_enabled = true;
    std::u16string spam_text = u"Spam";
    std::u16string legit_text = u"Legit.:";
    bool legit_visible = true;
    std::u16string detail;
    int maximum = 100;
    std::vector<int> positions;  // every position set, in order
    bool visible = false;
    int shows = 0;
    int repaints = 0;
    int close_box_presses = 0;
    bool closed = false;
    bool destroyed = false;
};

// How the headless user presses the cancel button.
enum class CancelPress { Click, KeyDown, MouseDown };

// The headless user presses the cancel button during the given run of the message pump,
// counted from 1 after the window was created.
struct CancelScript {
    int pumps = 1;
    CancelPress press = CancelPress::Click;
};

// A progress window without a screen: records what it shows, and plays a scripted user who
// presses the cancel button. A press happens only if the button could be pressed on a screen
// then: the window visible and the button enabled. The factory that made the view hears of
// every run of the message pump and must outlive it.
class HeadlessProgressView final : public ProgressView {
public:
    HeadlessProgressView(HeadlessDialogFactory& factory, std::shared_ptr<ProgressWindowRecord> record,
                         std::optional<CancelScript> cancel);
    ~HeadlessProgressView() override;
    HeadlessProgressView(const HeadlessProgressView&) = delete;
    HeadlessProgressView& operator=(const HeadlessProgressView&) = delete;

    void SetEvents(ProgressViewEvents* events) override;
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

    // The user closes the window with the title bar's close box: the window is only hidden.
    void PressCloseBox();
    // One run of the message pump: at the scripted run the user presses the cancel button.
    void MessagesPumped();

private:
    HeadlessDialogFactory& factory_;
    std::shared_ptr<ProgressWindowRecord> record_;
    std::optional<CancelScript> cancel_;
    ProgressViewEvents* events_ = nullptr;
    int pumps_ = 0;
};

}  // namespace tarn::dialogs
