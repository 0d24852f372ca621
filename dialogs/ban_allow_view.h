#pragma once

#include <cstdint>
#include <string>

#include "dialogs/modal_result.h"

namespace tarn::dialogs {

// What the allow/ban dialog's presenter hears from its window.
class BanAllowViewEvents {
public:
    virtual ~BanAllowViewEvents() = default;
    virtual void btnBanClick() = 0;
    virtual void btnAllowClick() = 0;
    virtual void btnmoreClick() = 0;
    // The mouse button was released over the body pane (Memo1).
    virtual void Memo1MouseUp() = 0;
};

// The allow/ban dialog as the presenter drives it: a pale yellow tool window, always on top
// and centred, with an instruction (lblSelect), the entry (EAE), the Ban, Allow, More and
// Close buttons, and below them, seen only when the window is tall enough, a fixed label
// (Label2) and the body pane (Memo1). Close ends the showing with ModalResult::Cancel by
// itself; Ban and Allow end it only through CloseWith.
class BanAllowView {
public:
    virtual ~BanAllowView() = default;
    virtual void SetEvents(BanAllowViewEvents* events) = 0;
    virtual void SetCharSet(std::uint8_t char_set) = 0;
    virtual void SetTitle(const std::u16string& title) = 0;
    virtual void SetInstruction(const std::u16string& text) = 0;  // lblSelect
    virtual void SetBanCaption(const std::u16string& caption) = 0;
    virtual void SetAllowCaption(const std::u16string& caption) = 0;
    virtual void SetCloseCaption(const std::u16string& caption) = 0;

    virtual void SetEntryText(const std::u16string& text) = 0;
    virtual std::u16string EntryText() const = 0;
    virtual std::u16string EntrySelection() const = 0;  // the selected part of EAE, or empty
    virtual void SetBodyText(const std::u16string& text) = 0;
    virtual std::u16string BodyText() const = 0;
    virtual std::u16string BodySelection() const = 0;  // the selected part of Memo1, or empty

    virtual void SetMoreCaption(const std::u16string& caption) = 0;
    virtual std::u16string MoreCaption() const = 0;
    virtual void SetMoreEnabled(bool enabled) = 0;
    // The window's outer height in pixels at 96 DPI: 150 shows the top strip only, 350 also
    // the label and the body pane.
    virtual void SetOuterHeight(int pixels) = 0;

    // Shows the window modally and returns how it was closed. Throws DialogError when the
    // window cannot be shown.
    virtual ModalResult ShowModal() = 0;
    // Ends the modal showing with this result, once the handler that asks it has returned.
    virtual void CloseWith(ModalResult result) = 0;
};

}  // namespace tarn::dialogs
