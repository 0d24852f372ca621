#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "dialogs/options_list_editor.h"
#include "dialogs/options_view.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "store/settings.h"
#include "store/user_lists.h"

namespace tarn::dialogs {

// What the options dialog edits and works with.
struct OptionsServices {
    store::Settings& settings;
    const store::UserLists& lists;
    platform::Registry& registry;
    platform::Shell& shell;
    platform::MessageBoxes& message_boxes;
    std::filesystem::path installation_directory;
};

// The options dialog: every setting with a control, and the four lists, which it edits in
// their files. The alphabet ticks reach the registry at once; the other settings are taken
// back when the dialog closes, however it closes (there is no cancel).
class TfrmOptions final : public OptionsViewEvents {
public:
    // Creates the window with the language file's character set, and "Shell Dlg" for any
    // character set but the default one.
    TfrmOptions(std::unique_ptr<OptionsView> view, OptionsServices services, std::uint8_t char_set);
    TfrmOptions(const TfrmOptions&) = delete;
    TfrmOptions& operator=(const TfrmOptions&) = delete;

    // Ticks, radio groups and check boxes from the settings.
    void ShowSettings();
    // Fills the list boxes from the files (protected words, forbidden words, friend senders,
    // banned senders); a file that cannot be read leaves its box and those after it unfilled.
    void FillLists();
    // Reads every caption afresh from the language file, shows topic 0, and shows the dialog
    // modally.
    ModalResult ShowModal();
    // The radio groups and check boxes into the settings.
    void TakeBackSettings();
    // Whether a list editor changed a list file (or tried to) while the dialog was open.
    bool ListsChanged() const noexcept { return lists_changed_; }

    void TopicSelected(int topic) override;
    void InnerTabChanged() override;
    void ReportingModeClick() override;
    void AlphabetTickChanged() override;
    void EntryMouseDown(ListEditor editor) override;
    void ListClick(ListEditor editor) override;
    void AddClick(ListEditor editor) override;
    void ListKeyDown(ListEditor editor, bool delete_key) override;
    // Asks for the address book to be scanned once the dialog has closed, and closes it.
    void RescanClick() override;
    // Opens the help file and closes the dialog.
    void HelpClick() override;

private:
    OptionsListEditor& Editor(ListEditor editor) { return editors_[static_cast<std::size_t>(editor)]; }
    void RefreshCounts();
    // Runs a list editor's handler: an error is shown in a message box and the dialog stays.
    template <class Work>
    void InEditor(Work&& work);

    std::unique_ptr<OptionsView> view_;
    OptionsServices services_;
    std::array<OptionsListEditor, ListEditorCount> editors_;
    std::array<std::u16string, 8> topics_;  // the topics' captions and the pages' hints
    std::array<std::u16string, 8> hints_;
    std::u16string members_caption_;
    bool lists_changed_ = false;
};

}  // namespace tarn::dialogs
