#include "dialogs/headless/headless_progress_view.h"

#include "dialogs/headless/headless_dialog_factory.h"

namespace tarn::dialogs {

HeadlessProgressView::HeadlessProgressView(HeadlessDialogFactory& factory,
                                           std::shared_ptr<ProgressWindowRecord> record,
                                           std::optional<CancelScript> cancel)
    : factory_(factory), record_(std::move(record)), cancel_(cancel) {
    factory_.Attach(*this);
}

HeadlessProgressView::~HeadlessProgressView() {
    factory_.Detach(*this);
    record_->visible = false;
    record_->destroyed = true;
}

void HeadlessProgressView::SetEvents(ProgressViewEvents* events) { events_ = events; }
void HeadlessProgressView::SetCharSet(std::uint8_t char_set) { record_->char_set = char_set; }
void HeadlessProgressView::SetTitle(const std::u16string& title) { record_->title = title; }
void HeadlessProgressView::SetCancelCaption(const std::u16string& caption) { record_->cancel_caption = caption; }
void HeadlessProgressView::SetCancelEnabled(bool enabled) { record_->cancel_enabled = enabled; }
bool HeadlessProgressView::CancelEnabled() const { return record_->cancel_enabled; }
void HeadlessProgressView::SetSpamText(const std::u16string& text) { record_->spam_text = text; }
void HeadlessProgressView::SetLegitText(const std::u16string& text) { record_->legit_text = text; }
void HeadlessProgressView::SetLegitVisible(bool visible) { record_->legit_visible = visible; }
void HeadlessProgressView::SetDetail(const std::u16string& text) { record_->detail = text; }
void HeadlessProgressView::SetMaximum(int maximum) { record_->maximum = maximum; }
void HeadlessProgressView::SetPosition(int position) { record_->positions.push_back(position); }

void HeadlessProgressView::Show() {
    record_->visible = true;
    ++record_->shows;
}

void HeadlessProgressView::Repaint() { ++record_->repaints; }

void HeadlessProgressView::Close() {
    record_->visible = false;
    record_->closed = true;
}

void HeadlessProgressView::PressCloseBox() {
    record_->visible = false;
    ++record_->close_box_presses;
}

void HeadlessProgressView::MessagesPumped() {
    ++pumps_;
    if (!cancel_ || pumps_ != cancel_->pumps) return;
    if (events_ == nullptr || !record_->visible || !record_->cancel_enabled) return;
    switch (cancel_->press) {
        case CancelPress::Click:
            events_->btncancelClick();
            break;
        case CancelPress::KeyDown:
            events_->btncancelKeyDown();
            break;
        case CancelPress::MouseDown:
            events_->btncancelMouseDown();
            break;
    }
}

}  // namespace tarn::dialogs
