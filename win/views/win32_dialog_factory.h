#pragma once

#include "dialogs/dialog_factory.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "platform/diagnostics.h"

namespace tarn::win {

// The add-in's windows inside Outlook: the progress and about windows and the allow/ban dialog
// on the screen; the options dialog stays headless until its Win32 form comes, and closes at
// once.
class Win32DialogFactory final : public dialogs::DialogFactory {
public:
    explicit Win32DialogFactory(platform::Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    std::unique_ptr<dialogs::ProgressView> CreateProgressView() override;
    std::unique_ptr<dialogs::AboutView> CreateAboutView() override;
    std::unique_ptr<dialogs::BanAllowView> CreateBanAllowView() override;
    std::unique_ptr<dialogs::OptionsView> CreateOptionsView() override { return headless_.CreateOptionsView(); }

private:
    platform::Diagnostics& diagnostics_;
    dialogs::HeadlessDialogFactory headless_;
};

}  // namespace tarn::win
