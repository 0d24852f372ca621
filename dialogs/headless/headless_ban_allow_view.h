#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/ban_allow_view.h"
#include "dialogs/headless/dialog_script.h"

namespace tarn::dialogs {

// Everything a headless allow/ban dialog showed, kept after the window is gone. The initial
// values are the window's designed state.
struct BanAllowWindowRecord {
    std::uint8_t char_set = 1;
    std::u16string title;
    std::u16string instruction;
    std::u16string ban_caption;
    std::u16string allow_caption;
    std::u16string close_caption;
    std::u16string entry_text;
    std::u16string body_text;
    std::u16string more_caption;
    bool more_enabled = false;
    int outer_height = 150;
    int showings = 0;
    std::optional<ModalResult> result;
    // The script's action that the dialog could not take (a disabled button, a hidden body
    // pane, an unknown control), which ended the showing as Close would; empty when none.
    std::string refused_action;
    bool destroyed = false;
};

// An allow/ban dialog without a screen: a modal showing plays the script's actions in order,
// as a user would, and ends when one of them closes the dialog; a script that ends first
// closes it with Close. Actions: type and select on EAE, select on Memo1 (with the mouse, so
// the selection is copied as a mouse-up copies it; only while the body pane is shown), press
// on btnBan, btnAllow, btnmore (only while enabled) and btnClose.
class HeadlessBanAllowView final : public BanAllowView {
public:
    HeadlessBanAllowView(std::shared_ptr<BanAllowWindowRecord> record, DialogScript script);
    ~HeadlessBanAllowView() override;
    HeadlessBanAllowView(const HeadlessBanAllowView&) = delete;
    HeadlessBanAllowView& operator=(const HeadlessBanAllowView&) = delete;

    void SetEvents(BanAllowViewEvents* events) override;
    void SetCharSet(std::uint8_t char_set) override;
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
    ModalResult ShowModal() override;
    void CloseWith(ModalResult result) override;

private:
    struct Selection {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    // Takes one action; raises DialogScriptError when the dialog cannot take it.
    void Take(const UserAction& action);
    static std::u16string Selected(const std::u16string& text, Selection selection);
    static Selection Within(const std::u16string& text, const UserAction& action);

    std::shared_ptr<BanAllowWindowRecord> record_;
    DialogScript script_;
    BanAllowViewEvents* events_ = nullptr;
    Selection entry_selection_;
    Selection body_selection_;
    std::optional<ModalResult> closing_;
};

}  // namespace tarn::dialogs
