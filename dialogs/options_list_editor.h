#pragma once

#include <string>

#include "dialogs/options_view.h"
#include "store/user_lists.h"

namespace tarn::dialogs {

// One list editor of the options dialog. While the dialog is open the list's file is the
// master copy: every add and every key press in the list box writes the box's lines to it.
class OptionsListEditor {
public:
    OptionsListEditor(OptionsView& view, ListEditor editor, store::ListKind kind, const store::UserLists& lists);

    // Fills the list box from the file; raises what reading raises, leaving the box as it was.
    // An editor whose box was never filled from its file never writes it: the box does not
    // hold the user's entries, and writing it would replace them.
    void Fill();

    // A press in the entry field selects its whole text, so that typing replaces the prompt.
    void EntryMouseDown();
    // A click in the list box copies the line under the caret into the entry field.
    void ListClick();
    // "+": adds the entry's text unaltered unless a line equals it without regard to letter
    // case, keeping the box sorted, then writes the file whether or not a line was added.
    void Add();
    // DEL deletes the selected lines, from the last to the first; any key then writes the file.
    void KeyDown(bool delete_key);

    void RefreshCount(const std::u16string& members_caption);

private:
    void WriteFile();

    OptionsView& view_;
    ListEditor editor_;
    store::ListKind kind_;
    const store::UserLists& lists_;
    bool filled_ = false;
};

}  // namespace tarn::dialogs
