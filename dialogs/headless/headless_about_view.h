#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/about_view.h"

namespace tarn::dialogs {

// Everything a headless about window showed, kept after the window is gone.
struct AboutWindowRecord {
    std::uint8_t char_set = 1;  // the default character set until one is set
    std::u16string title;
    std::u16string button_caption;
    // Every showing: none for a modal one, the time after which the window was to close by
    // itself for one that did not wait.
    std::vector<std::optional<std::chrono::milliseconds>> showings;
    int goto_web_clicks = 0;
    bool destroyed = false;
};

// What the headless user does with the next about window.
struct AboutScript {
    bool click_goto_web = false;  // clicks btnGotoweb before closing the window
    bool fail_showing = false;    // the window cannot be shown
};

// An about window without a screen: a showing returns at once, as if the user closed the window
// straight away (a modal one), or as if it closed by itself (one that does not wait), after the
// scripted clicks.
class HeadlessAboutView final : public AboutView {
public:
    HeadlessAboutView(std::shared_ptr<AboutWindowRecord> record, AboutScript script);
    ~HeadlessAboutView() override;
    HeadlessAboutView(const HeadlessAboutView&) = delete;
    HeadlessAboutView& operator=(const HeadlessAboutView&) = delete;

    void SetEvents(AboutViewEvents* events) override;
    void SetCharSet(std::uint8_t char_set) override;
    void SetTitle(const std::u16string& title) override;
    void SetButtonCaption(const std::u16string& caption) override;
    // Throws DialogError when scripted to fail.
    void ShowModal() override;
    void ShowModeless(std::chrono::milliseconds close_after) override;

private:
    void Show(std::optional<std::chrono::milliseconds> close_after);

    std::shared_ptr<AboutWindowRecord> record_;
    AboutScript script_;
    AboutViewEvents* events_ = nullptr;
};

}  // namespace tarn::dialogs
