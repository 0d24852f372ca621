#pragma once

#include "dialogs/dialog_factory.h"
#include "platform/diagnostics.h"

namespace tarn::win {

// The add-in's windows inside Outlook, on the screen.
class Win32DialogFactory final : public dialogs::DialogFactory {
public:
    explicit Win32DialogFactory(platform::Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    std::unique_ptr<dialogs::ProgressView> CreateProgressView() override;
    std::unique_ptr<dialogs::AboutView> CreateAboutView() override;
    std::unique_ptr<dialogs::BanAllowView> CreateBanAllowView() override;
    std::unique_ptr<dialogs::OptionsView> CreateOptionsView() override;

private:
    platform::Diagnostics& diagnostics_;
};

}  // namespace tarn::win
