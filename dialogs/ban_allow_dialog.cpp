#include "dialogs/ban_allow_dialog.h"

#include <string_view>

#include "platform/codepage.h"
#include "store/language_file.h"

namespace tarn::dialogs {

namespace {

constexpr int CollapsedHeight = 150;
constexpr int ExpandedHeight = 350;
constexpr std::u16string_view ErrorCaption = u"Orvik' Tarn!";

struct CaptionKey {
    std::string_view key;
    std::string_view fallback;
};

constexpr CaptionKey Title{"titleBanAllow", "Orvik' Tarn - Allow or Ban Current Item Selection"};
constexpr CaptionKey Instruction{
    "lblSelect", "Select only a part of this subject if necessary, and click on the button corresponding to your wish."};
constexpr CaptionKey BanCaption{"btnBan", "Ban"};
constexpr CaptionKey AllowCaption{"btnAllow", "Allow"};
constexpr CaptionKey CloseCaption{"btnClose", "Close"};
constexpr CaptionKey MoreCaption{"sMore", "More"};
constexpr CaptionKey LessCaption{"sLess", "Less"};

std::u16string Text(const store::LanguageFile& language, const CaptionKey& caption) {
    return platform::Widen(language.Text(caption.key, caption.fallback));
}

std::u16string Collapsed(const std::u16string& more) { return more + u" >>"; }
std::u16string Expanded(const std::u16string& less) { return u"<< " + less; }

}  // namespace

TfrmbanOK::TfrmbanOK(std::unique_ptr<BanAllowView> view, store::UserLists& lists,
                     platform::MessageBoxes& message_boxes, std::uint8_t char_set)
    : view_(std::move(view)), lists_(lists), message_boxes_(message_boxes) {
    view_->SetEvents(this);
    view_->SetCharSet(char_set);
    view_->SetMoreEnabled(false);
}

void TfrmbanOK::SetEntry(const std::u16string& text) { view_->SetEntryText(text); }
void TfrmbanOK::SetBody(const std::u16string& text) { view_->SetBodyText(text); }
bool TfrmbanOK::BodyEmpty() const { return view_->BodyText().empty(); }
void TfrmbanOK::EnableMore(bool enabled) { view_->SetMoreEnabled(enabled); }

ModalResult TfrmbanOK::ShowModal(const std::filesystem::path& installation_directory) {
    const store::LanguageFile language(installation_directory);
    view_->SetTitle(Text(language, Title));
    view_->SetInstruction(Text(language, Instruction));
    view_->SetBanCaption(Text(language, BanCaption));
    view_->SetAllowCaption(Text(language, AllowCaption));
    view_->SetCloseCaption(Text(language, CloseCaption));
    more_text_ = Text(language, MoreCaption);
    less_text_ = Text(language, LessCaption);
    view_->SetMoreCaption(Collapsed(more_text_));
    view_->SetOuterHeight(CollapsedHeight);
    return view_->ShowModal();
}

void TfrmbanOK::btnBanClick() { AddChosenText(store::ListKind::ForbiddenWords, ModalResult::No); }
void TfrmbanOK::btnAllowClick() { AddChosenText(store::ListKind::ProtectedWords, ModalResult::Ok); }

void TfrmbanOK::btnmoreClick() {
    if (view_->MoreCaption().find(more_text_) != std::u16string::npos) {
        view_->SetMoreCaption(Expanded(less_text_));
        view_->SetOuterHeight(ExpandedHeight);
    } else {
        view_->SetMoreCaption(Collapsed(more_text_));
        view_->SetOuterHeight(CollapsedHeight);
    }
}

void TfrmbanOK::Memo1MouseUp() {
    const std::u16string selection = view_->BodySelection();
    if (!selection.empty()) view_->SetEntryText(selection);
}

std::u16string TfrmbanOK::ChosenText() const {
    if (auto body = view_->BodySelection(); !body.empty()) return body;
    if (auto entry = view_->EntrySelection(); !entry.empty()) return entry;
    return view_->EntryText();
}

void TfrmbanOK::AddChosenText(store::ListKind kind, ModalResult result) {
    try {
        lists_.List(kind).Add(platform::Narrow(ChosenText()));
        lists_.SaveList(kind);
    } catch (const std::exception& error) {
        // The entry stays in memory only until the reload after the dialog, which drops it.
        message_boxes_.Show(platform::Widen(error.what()), std::u16string(ErrorCaption), platform::MessageBoxKind::Error);
    }
    view_->CloseWith(result);
}

}  // namespace tarn::dialogs
