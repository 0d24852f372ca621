#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/modal_result.h"

namespace tarn::dialogs {

// The four list editors of the options dialog, each a count label, a list box, an entry field
// and a "+" button, on the senders page (banned, then friends) and the words page (forbidden,
// then protected).
enum class ListEditor { BannedSenders, FriendSenders, ForbiddenWords, ProtectedWords };
inline constexpr std::size_t ListEditorCount = 4;

// The radio groups: where spam goes, how the report is made, and how often.
enum class RadioGroup { MoveTo, ReportingMode, ReportingInterval };
// The check boxes of the special filters and miscellaneous pages.
enum class CheckBox { NotInList, NotEnglish, Pause, Splash, Learning };

// What the options dialog's presenter hears from its window.
class OptionsViewEvents {
public:
    virtual ~OptionsViewEvents() = default;
    // A topic of the topic list (ListView1) became selected: index 0 to 7.
    virtual void TopicSelected(int topic) = 0;
    // The senders or words page changed its inner tab.
    virtual void InnerTabChanged() = 0;
    virtual void ReportingModeClick() = 0;
    // An alphabet of the check list was ticked or unticked.
    virtual void AlphabetTickChanged() = 0;
    virtual void EntryMouseDown(ListEditor editor) = 0;
    virtual void ListClick(ListEditor editor) = 0;
    virtual void AddClick(ListEditor editor) = 0;
    // A key was pressed in a list box; `delete_key` for DEL.
    virtual void ListKeyDown(ListEditor editor, bool delete_key) = 0;
    virtual void RescanClick() = 0;
    virtual void HelpClick() = 0;
};

// The options dialog as the presenter drives it: a tool window, always on top and centred,
// with a banner (lblTitle, lblHint), the topic list, eight pages whose tabs are hidden, and
// the Help and Close buttons. Close (and Esc) ends the showing with ModalResult::Cancel by
// itself; everything else ends it only through CloseWith.
class OptionsView {
public:
    virtual ~OptionsView() = default;
    virtual void SetEvents(OptionsViewEvents* events) = 0;
    // The font's character set; with shell_dialog_font, the font is "Shell Dlg" too.
    virtual void SetFont(std::uint8_t char_set, bool shell_dialog_font) = 0;

    virtual void SetTopicCaption(int topic, const std::u16string& caption) = 0;
    virtual void SetActivePage(int page) = 0;
    virtual int ActivePage() const = 0;
    virtual void SetBannerTitle(const std::u16string& text) = 0;  // lblTitle
    virtual void SetBannerHint(const std::u16string& text) = 0;   // lblHint
    // A fixed caption of the window, by the control's name: PnlGenSet, lblAlphabets,
    // BtnScanAddressBook, btnhelp, btnClose, and the inner tabs tabBlackList, tabWhiteList,
    // tabBanWords, tabProtectWords.
    virtual void SetCaption(const std::string& control, const std::u16string& caption) = 0;

    virtual void SetAlphabetTicked(std::size_t item, bool ticked) = 0;
    virtual bool AlphabetTicked(std::size_t item) const = 0;

    virtual void SetRadioCaptions(RadioGroup group, const std::u16string& caption,
                                  const std::vector<std::u16string>& items) = 0;
    virtual void SetRadioIndex(RadioGroup group, int index) = 0;
    virtual int RadioIndex(RadioGroup group) const = 0;
    virtual void SetRadioEnabled(RadioGroup group, bool enabled) = 0;
    virtual void SetCheckCaption(CheckBox box, const std::u16string& caption) = 0;
    virtual void SetChecked(CheckBox box, bool checked) = 0;
    virtual bool Checked(CheckBox box) const = 0;

    // The list box's lines, in the order shown; the presenter keeps them sorted.
    virtual void SetLines(ListEditor editor, const std::vector<std::u16string>& lines) = 0;
    virtual std::vector<std::u16string> Lines(ListEditor editor) const = 0;
    virtual std::vector<std::size_t> SelectedLines(ListEditor editor) const = 0;
    // The line under the list box's caret (the one just clicked); -1 for none.
    virtual int CaretLine(ListEditor editor) const = 0;
    virtual void SetEntryText(ListEditor editor, const std::u16string& text) = 0;
    virtual std::u16string EntryText(ListEditor editor) const = 0;
    virtual void SelectAllOfEntry(ListEditor editor) = 0;
    virtual void SetCountLabel(ListEditor editor, const std::u16string& text) = 0;

    // Shows the window modally and returns how it was closed. Throws DialogError when the
    // window cannot be shown.
    virtual ModalResult ShowModal() = 0;
    virtual void CloseWith(ModalResult result) = 0;
};

}  // namespace tarn::dialogs
