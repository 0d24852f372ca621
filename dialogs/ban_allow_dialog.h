#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "dialogs/ban_allow_view.h"
#include "platform/message_box.h"
#include "store/user_lists.h"

namespace tarn::dialogs {

// The allow/ban dialog: the user picks a word or expression (the entry, a part of it, or a
// part of the message text in the body pane) and adds it to the forbidden words (Ban) or the
// protected words (Allow). It decides nothing about spam; it only edits those two lists, and
// writes the changed one to its file at once.
class TfrmbanOK final : public BanAllowViewEvents {
public:
    // Creates the window, collapsed, with the language file's character set, an empty entry
    // and body pane, and More disabled.
    TfrmbanOK(std::unique_ptr<BanAllowView> view, store::UserLists& lists, platform::MessageBoxes& message_boxes,
              std::uint8_t char_set);
    TfrmbanOK(const TfrmbanOK&) = delete;
    TfrmbanOK& operator=(const TfrmbanOK&) = delete;

    void SetEntry(const std::u16string& text);  // EAE
    void SetBody(const std::u16string& text);   // Memo1
    bool BodyEmpty() const;
    void EnableMore(bool enabled);

    // Shows the dialog modally with its captions read afresh from the language file of the
    // installation directory, collapsed, and returns how it was closed: OK after Allow, No
    // after Ban, Cancel after Close.
    ModalResult ShowModal(const std::filesystem::path& installation_directory);

    // Ban and Allow add the chosen text unaltered to their list and write its file; a file
    // that cannot be written, or a text the list cannot hold, is told in a message box. Either
    // way the dialog then closes with the button's result.
    void btnBanClick() override;
    void btnAllowClick() override;
    // Shows or hides the body pane: the button's caption says which it will do next.
    void btnmoreClick() override;
    // A selection made with the mouse in the body pane becomes the whole entry.
    void Memo1MouseUp() override;

private:
    // The body pane's selection, else the entry's selection, else the whole entry.
    std::u16string ChosenText() const;
    void AddChosenText(store::ListKind kind, ModalResult result);

    std::unique_ptr<BanAllowView> view_;
    store::UserLists& lists_;
    platform::MessageBoxes& message_boxes_;
    // The "More" and "Less" texts of the current showing.
    std::u16string more_text_;
    std::u16string less_text_;
};

}  // namespace tarn::dialogs
