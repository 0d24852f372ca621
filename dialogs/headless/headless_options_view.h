#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/headless/dialog_script.h"
#include "dialogs/options_view.h"
#include "dialogs/options_window_state.h"

namespace tarn::dialogs {

// Everything a headless options dialog showed, kept after the window is gone.
struct OptionsWindowRecord : OptionsWindowState {
    int showings = 0;
    std::optional<ModalResult> result;
    // The script's action that the dialog could not take, which ended the showing as Close
    // would; empty when none.
    std::string refused_action;
    bool destroyed = false;
};

// An options dialog without a screen: a modal showing plays the script's actions in order, as
// a user would, and ends when one of them closes the dialog; a script that ends first closes
// it with Close. A control can be used only while its page is shown (choose ListView1 first)
// and, for a radio group, while it is enabled. Actions:
//   choose ListView1 TOPIC (index or caption); choose rdgrpMoveto|rdgrpReportingMode|
//   rdgrpReportingInterval ITEM (index or caption);
//   tick|untick cblblanguages ALPHABET; tick|untick cbNotinList|cbNotEnglish|cbPause|cbSplash|cbLearning;
//   type edbansenders|edoksenders|edbanwords|edprotectwords TEXT (a press in the field first);
//   press btnbansenders|btnoksenders|btnbanwords|btnprotectwords, BtnScanAddressBook, btnhelp,
//   btnClose; click LISTBOX LINE; select LISTBOX FIRST COUNT (lines); key LISTBOX KEY.
class HeadlessOptionsView final : public OptionsView {
public:
    HeadlessOptionsView(std::shared_ptr<OptionsWindowRecord> record, DialogScript script);
    ~HeadlessOptionsView() override;
    HeadlessOptionsView(const HeadlessOptionsView&) = delete;
    HeadlessOptionsView& operator=(const HeadlessOptionsView&) = delete;

    void SetEvents(OptionsViewEvents* events) override;
    void SetFont(std::uint8_t char_set, bool shell_dialog_font) override;
    void SetTopicCaption(int topic, const std::u16string& caption) override;
    void SetActivePage(int page) override;
    int ActivePage() const override;
    void SetBannerTitle(const std::u16string& text) override;
    void SetBannerHint(const std::u16string& text) override;
    void SetCaption(const std::string& control, const std::u16string& caption) override;
    void SetAlphabetTicked(std::size_t item, bool ticked) override;
    bool AlphabetTicked(std::size_t item) const override;
    void SetRadioCaptions(RadioGroup group, const std::u16string& caption,
                          const std::vector<std::u16string>& items) override;
    void SetRadioIndex(RadioGroup group, int index) override;
    int RadioIndex(RadioGroup group) const override;
    void SetRadioEnabled(RadioGroup group, bool enabled) override;
    void SetCheckCaption(CheckBox box, const std::u16string& caption) override;
    void SetChecked(CheckBox box, bool checked) override;
    bool Checked(CheckBox box) const override;
    void SetLines(ListEditor editor, const std::vector<std::u16string>& lines) override;
    std::vector<std::u16string> Lines(ListEditor editor) const override;
    std::vector<std::size_t> SelectedLines(ListEditor editor) const override;
    int CaretLine(ListEditor editor) const override;
    void SetEntryText(ListEditor editor, const std::u16string& text) override;
    std::u16string EntryText(ListEditor editor) const override;
    void SelectAllOfEntry(ListEditor editor) override;
    void SetCountLabel(ListEditor editor, const std::u16string& text) override;
    ModalResult ShowModal() override;
    void CloseWith(ModalResult result) override;

private:
    void Take(const UserAction& action);
    void RequirePage(const UserAction& action, int page) const;
    OptionsWindowRecord::Editor& EditorRecord(ListEditor editor);
    const OptionsWindowRecord::Editor& EditorRecord(ListEditor editor) const;

    std::shared_ptr<OptionsWindowRecord> record_;
    DialogScript script_;
    OptionsViewEvents* events_ = nullptr;
    std::optional<ModalResult> closing_;
};

}  // namespace tarn::dialogs
