#include "dialogs/progress_window.h"

namespace tarn::dialogs {

TFRMProcessmsgs::TFRMProcessmsgs(std::unique_ptr<ProgressView> view, const store::Captions& captions,
                                 const std::u16string& title)
    : view_(std::move(view)) {
    view_->SetEvents(this);
    view_->SetCharSet(captions.CharSet());
    view_->SetTitle(title);
    view_->SetCancelCaption(captions[store::Caption::btnClose]);
    view_->SetCancelEnabled(true);
}

TFRMProcessmsgs::~TFRMProcessmsgs() {
    view_->SetEvents(nullptr);
    view_->Close();
}

void TFRMProcessmsgs::SetTitle(const std::u16string& title) { view_->SetTitle(title); }
void TFRMProcessmsgs::SetSpamLabel(const std::u16string& text) { view_->SetSpamText(text); }
void TFRMProcessmsgs::SetLegitLabel(const std::u16string& text) { view_->SetLegitText(text); }
void TFRMProcessmsgs::SetLegitVisible(bool visible) { view_->SetLegitVisible(visible); }
void TFRMProcessmsgs::SetDetail(const std::u16string& text) { view_->SetDetail(text); }
void TFRMProcessmsgs::SetMaximum(int maximum) { view_->SetMaximum(maximum); }
void TFRMProcessmsgs::SetPosition(int position) { view_->SetPosition(position); }
void TFRMProcessmsgs::Show() { view_->Show(); }
void TFRMProcessmsgs::Repaint() { view_->Repaint(); }

void TFRMProcessmsgs::EnableCancel() {
    if (!Cancelled()) view_->SetCancelEnabled(true);
}

bool TFRMProcessmsgs::Cancelled() const { return !view_->CancelEnabled(); }

void TFRMProcessmsgs::btncancelClick() { Cancel(); }
void TFRMProcessmsgs::btncancelKeyDown() { Cancel(); }
void TFRMProcessmsgs::btncancelMouseDown() { Cancel(); }

void TFRMProcessmsgs::Cancel() {
    if (Cancelled()) return;
    view_->SetCancelEnabled(false);
    view_->Repaint();
}

}  // namespace tarn::dialogs
