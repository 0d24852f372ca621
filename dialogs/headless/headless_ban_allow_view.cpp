#include "dialogs/headless/headless_ban_allow_view.h"

#include "dialogs/headless/script_player.h"

namespace tarn::dialogs {

namespace {

constexpr int ExpandedFrom = 350;  // the outer height from which the body pane is seen

std::string Described(const UserAction& action, const std::string& why) {
    return action.control + ": " + why;
}

}  // namespace

HeadlessBanAllowView::HeadlessBanAllowView(std::shared_ptr<BanAllowWindowRecord> record, DialogScript script)
    : record_(std::move(record)), script_(std::move(script)) {}

HeadlessBanAllowView::~HeadlessBanAllowView() { record_->destroyed = true; }

void HeadlessBanAllowView::SetEvents(BanAllowViewEvents* events) { events_ = events; }
void HeadlessBanAllowView::SetCharSet(std::uint8_t char_set) { record_->char_set = char_set; }
void HeadlessBanAllowView::SetTitle(const std::u16string& title) { record_->title = title; }
void HeadlessBanAllowView::SetInstruction(const std::u16string& text) { record_->instruction = text; }
void HeadlessBanAllowView::SetBanCaption(const std::u16string& caption) { record_->ban_caption = caption; }
void HeadlessBanAllowView::SetAllowCaption(const std::u16string& caption) { record_->allow_caption = caption; }
void HeadlessBanAllowView::SetCloseCaption(const std::u16string& caption) { record_->close_caption = caption; }

void HeadlessBanAllowView::SetEntryText(const std::u16string& text) {
    record_->entry_text = text;
    entry_selection_ = {};
}

std::u16string HeadlessBanAllowView::EntryText() const { return record_->entry_text; }
std::u16string HeadlessBanAllowView::EntrySelection() const { return Selected(record_->entry_text, entry_selection_); }

void HeadlessBanAllowView::SetBodyText(const std::u16string& text) {
    record_->body_text = text;
    body_selection_ = {};
}

std::u16string HeadlessBanAllowView::BodyText() const { return record_->body_text; }
std::u16string HeadlessBanAllowView::BodySelection() const { return Selected(record_->body_text, body_selection_); }

void HeadlessBanAllowView::SetMoreCaption(const std::u16string& caption) { record_->more_caption = caption; }
std::u16string HeadlessBanAllowView::MoreCaption() const { return record_->more_caption; }
void HeadlessBanAllowView::SetMoreEnabled(bool enabled) { record_->more_enabled = enabled; }
void HeadlessBanAllowView::SetOuterHeight(int pixels) { record_->outer_height = pixels; }

ModalResult HeadlessBanAllowView::ShowModal() {
    ++record_->showings;
    record_->result = PlayScript(script_, closing_, record_->refused_action, [this](const UserAction& action) { Take(action); });
    return *record_->result;
}

void HeadlessBanAllowView::CloseWith(ModalResult result) { closing_ = result; }

void HeadlessBanAllowView::Take(const UserAction& action) {
    using Kind = UserAction::Kind;
    const bool expanded = record_->outer_height >= ExpandedFrom;
    if (action.control == "EAE" && action.kind == Kind::Type) {
        SetEntryText(action.text);
    } else if (action.control == "EAE" && action.kind == Kind::Select) {
        entry_selection_ = Within(record_->entry_text, action);
    } else if (action.control == "Memo1" && action.kind == Kind::Select) {
        if (!expanded) throw DialogScriptError(Described(action, "the body pane is not shown (press btnmore first)"));
        body_selection_ = Within(record_->body_text, action);
        if (events_ != nullptr) events_->Memo1MouseUp();
    } else if (action.kind == Kind::Press && action.control == "btnClose") {
        closing_ = ModalResult::Cancel;
    } else if (action.kind == Kind::Press && events_ != nullptr &&
               (action.control == "btnBan" || action.control == "btnAllow" || action.control == "btnmore")) {
        if (action.control == "btnBan") {
            events_->btnBanClick();
        } else if (action.control == "btnAllow") {
            events_->btnAllowClick();
        } else if (!record_->more_enabled) {
            throw DialogScriptError(Described(action, "the button is disabled"));
        } else {
            events_->btnmoreClick();
        }
    } else {
        throw DialogScriptError(Described(
            action, "the allow/ban dialog cannot do that (type or select in EAE, select in Memo1, press btnBan, "
                    "btnAllow, btnmore or btnClose)"));
    }
}

std::u16string HeadlessBanAllowView::Selected(const std::u16string& text, Selection selection) {
    if (selection.start >= text.size()) return {};
    return text.substr(selection.start, selection.length);
}

HeadlessBanAllowView::Selection HeadlessBanAllowView::Within(const std::u16string& text, const UserAction& action) {
    const auto start = static_cast<std::size_t>(action.start);
    const auto length = static_cast<std::size_t>(action.length);
    if (start > text.size() || length > text.size() - start) {
        throw DialogScriptError(Described(action, "the text has only " + std::to_string(text.size()) + " characters"));
    }
    return {start, length};
}

}  // namespace tarn::dialogs
