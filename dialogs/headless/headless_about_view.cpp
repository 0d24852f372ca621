#include "dialogs/headless/headless_about_view.h"

#include "dialogs/dialog_error.h"

namespace tarn::dialogs {

HeadlessAboutView::HeadlessAboutView(std::shared_ptr<AboutWindowRecord> record, AboutScript script)
    : record_(std::move(record)), script_(script) {}

HeadlessAboutView::~HeadlessAboutView() { record_->destroyed = true; }

void HeadlessAboutView::SetEvents(AboutViewEvents* events) { events_ = events; }
void HeadlessAboutView::SetCharSet(std::uint8_t char_set) { record_->char_set = char_set; }
void HeadlessAboutView::SetTitle(const std::u16string& title) { record_->title = title; }
void HeadlessAboutView::SetButtonCaption(const std::u16string& caption) { record_->button_caption = caption; }

void HeadlessAboutView::ShowModal() { Show(std::nullopt); }

void HeadlessAboutView::ShowModeless(std::chrono::milliseconds close_after) { Show(close_after); }

void HeadlessAboutView::Show(std::optional<std::chrono::milliseconds> close_after) {
    if (script_.fail_showing) throw DialogError("the about window cannot be shown");
    record_->showings.push_back(close_after);
    if (script_.click_goto_web && events_ != nullptr) {
        ++record_->goto_web_clicks;
        events_->btnGotowebClick();
    }
}

}  // namespace tarn::dialogs
