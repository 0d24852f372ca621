#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "dialogs/dialog_factory.h"
#include "dialogs/headless/headless_about_view.h"
#include "dialogs/headless/headless_ban_allow_view.h"
#include "dialogs/headless/headless_options_view.h"
#include "dialogs/headless/headless_progress_view.h"

namespace tarn::dialogs {

// The windows of the simulator and the tests: headless views that record what they showed and
// play a scripted user. A script applies to the next view of its kind that is created. The
// factory keeps the record of every view it made, also after the view is gone, and must
// outlive its progress views.
class HeadlessDialogFactory final : public DialogFactory {
public:
    HeadlessDialogFactory() = default;
    HeadlessDialogFactory(const HeadlessDialogFactory&) = delete;
    HeadlessDialogFactory& operator=(const HeadlessDialogFactory&) = delete;

    // Throw DialogError instead when a creation failure is scripted.
    std::unique_ptr<ProgressView> CreateProgressView() override;
    std::unique_ptr<AboutView> CreateAboutView() override;
    std::unique_ptr<BanAllowView> CreateBanAllowView() override;
    std::unique_ptr<OptionsView> CreateOptionsView() override;

    // The next progress window's user presses cancel during the pumps-th run of the message
    // pump after its creation (pumps from 1; anything less throws std::invalid_argument).
    // Windows created without this never cancel.
    void CancelNextProgressAfterPumps(int pumps, CancelPress press = CancelPress::Click);
    // The next about window's user clicks btnGotoweb before closing it.
    void ClickGoToWebInNextAbout();
    // The next about window cannot be shown.
    void FailNextAboutShowing();
    // The user's actions in the next allow/ban dialog; without a script the user closes it.
    void ScriptNextBanAllow(DialogScript script);
    // The user's actions in the next options dialog; without a script the user closes it.
    void ScriptNextOptions(DialogScript script);
    // The next window of any kind cannot be created; scripts wait for the next one that is.
    void FailNextCreation();

    // The simulator's message pump calls this each time it runs.
    void OnMessagesPumped();

    const std::vector<std::shared_ptr<const ProgressWindowRecord>>& ProgressWindows() const { return progress_windows_; }
    const std::vector<std::shared_ptr<const AboutWindowRecord>>& AboutWindows() const { return about_windows_; }
    const std::vector<std::shared_ptr<const BanAllowWindowRecord>>& BanAllowWindows() const { return ban_allow_windows_; }
    const std::vector<std::shared_ptr<const OptionsWindowRecord>>& OptionsWindows() const { return options_windows_; }

private:
    friend class HeadlessProgressView;
    void Attach(HeadlessProgressView& view);
    void Detach(HeadlessProgressView& view);
    void ThrowIfCreationFails();

    std::optional<CancelScript> next_cancel_;
    AboutScript next_about_;
    DialogScript next_ban_allow_;
    DialogScript next_options_;
    bool fail_next_creation_ = false;
    std::vector<std::shared_ptr<const ProgressWindowRecord>> progress_windows_;
    std::vector<std::shared_ptr<const AboutWindowRecord>> about_windows_;
    std::vector<std::shared_ptr<const BanAllowWindowRecord>> ban_allow_windows_;
    std::vector<std::shared_ptr<const OptionsWindowRecord>> options_windows_;
    std::vector<HeadlessProgressView*> live_progress_views_;
};

}  // namespace tarn::dialogs
