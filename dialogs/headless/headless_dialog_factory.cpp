#include "dialogs/headless/headless_dialog_factory.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "dialogs/dialog_error.h"

namespace tarn::dialogs {

std::unique_ptr<ProgressView> HeadlessDialogFactory::CreateProgressView() {
    ThrowIfCreationFails();
    auto record = std::make_shared<ProgressWindowRecord>();
    progress_windows_.push_back(record);
    return std::make_unique<HeadlessProgressView>(*this, std::move(record), std::exchange(next_cancel_, std::nullopt));
}

std::unique_ptr<AboutView> HeadlessDialogFactory::CreateAboutView() {
    ThrowIfCreationFails();
    auto record = std::make_shared<AboutWindowRecord>();
    about_windows_.push_back(record);
    return std::make_unique<HeadlessAboutView>(std::move(record), std::exchange(next_about_, AboutScript{}));
}

std::unique_ptr<BanAllowView> HeadlessDialogFactory::CreateBanAllowView() {
    ThrowIfCreationFails();
    auto record = std::make_shared<BanAllowWindowRecord>();
    ban_allow_windows_.push_back(record);
    return std::make_unique<HeadlessBanAllowView>(std::move(record), std::exchange(next_ban_allow_, {}));
}

void HeadlessDialogFactory::ScriptNextBanAllow(DialogScript script) { next_ban_allow_ = std::move(script); }

std::unique_ptr<OptionsView> HeadlessDialogFactory::CreateOptionsView() {
    ThrowIfCreationFails();
    auto record = std::make_shared<OptionsWindowRecord>();
    options_windows_.push_back(record);
    return std::make_unique<HeadlessOptionsView>(std::move(record), std::exchange(next_options_, {}));
}

void HeadlessDialogFactory::ScriptNextOptions(DialogScript script) { next_options_ = std::move(script); }

void HeadlessDialogFactory::CancelNextProgressAfterPumps(int pumps, CancelPress press) {
    if (pumps < 1) throw std::invalid_argument("a cancel is pressed during a run of the message pump, counted from 1");
    next_cancel_ = CancelScript{pumps, press};
}

void HeadlessDialogFactory::ClickGoToWebInNextAbout() { next_about_.click_goto_web = true; }
void HeadlessDialogFactory::FailNextAboutShowing() { next_about_.fail_showing = true; }
void HeadlessDialogFactory::FailNextCreation() { fail_next_creation_ = true; }

void HeadlessDialogFactory::OnMessagesPumped() {
    // A pressed button runs the command's handlers, which may open or close windows: only the
    // windows open when the pump ran hear of it, and only while they are still open.
    const std::vector<HeadlessProgressView*> views = live_progress_views_;
    for (HeadlessProgressView* view : views) {
        if (std::ranges::find(live_progress_views_, view) != live_progress_views_.end()) view->MessagesPumped();
    }
}

void HeadlessDialogFactory::Attach(HeadlessProgressView& view) { live_progress_views_.push_back(&view); }

void HeadlessDialogFactory::Detach(HeadlessProgressView& view) { std::erase(live_progress_views_, &view); }

void HeadlessDialogFactory::ThrowIfCreationFails() {
    if (std::exchange(fail_next_creation_, false)) throw DialogError("the window cannot be created");
}

}  // namespace tarn::dialogs
