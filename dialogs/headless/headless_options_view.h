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

namespace tarn::dialogs {

// Everything a headless options dialog showed, kept after the window is gone. The initial
// values are the window's designed state.
struct OptionsWindowRecord {
    struct Radio {
        std::u16string caption;
        std::vector<std::u16string> items;
        int index = 0;
        bool enabled = true;
    };
    struct Check {
        std::u16string caption;
        bool checked = false;
    };
    struct Editor {
        std::vector<std::u16string> lines;
        std::set<std::size_t> selected;
        int caret = -1;
        std::u16string entry;
        bool entry_all_selected = false;
        std::u16string count_label;
    };

    std::uint8_t char_set = 1;
    bool shell_dialog_font = false;
    std::array<std::u16string, 8> topics;
    int active_page = 0;
    std::array<int, 2> inner_tabs{};  // of the senders and the words page: 0 the first tab
    std::u16string banner_title;
    std::u16string banner_hint;
    std::map<std::string, std::u16string> captions;  // by control name
    std::array<bool, 12> alphabets{};
    std::array<Radio, 3> radios;
    std::array<Check, 4> checks;
    std::array<Editor, ListEditorCount> editors;
    int showings = 0;
    std::optional<ModalResult> result;
    // The script's action that the dialog could not take, which ended the showing as Close
    // would; empty when none.
    std::string refused_action;
    bool destroyed = false;
};

// The alphabets of the check list, in item order.
inline constexpr std::array<std::string_view, 12> AlphabetNames = {
    "Arabic", "Baltic", "CentralEuropean", "Chinese", "Cyrillic", "Greek",
    "Hebrew", "Japanese", "Korean",         "Thai",    "Turkish",  "Vietnamese"};

// An options dialog without a screen: a modal showing plays the script's actions in order, as
// a user would, and ends when one of them closes the dialog; a script that ends first closes
// it with Close. A control can be used only while its page is shown (choose ListView1 first)
// and, for a radio group, while it is enabled. Actions:
//   choose ListView1 TOPIC (index or caption); choose rdgrpMoveto|rdgrpReportingMode|
//   rdgrpReportingInterval ITEM (index or caption);
//   tick|untick cblblanguages ALPHABET; tick|untick cbNotinList|cbNotEnglish|cbPause|cbSplash;
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
