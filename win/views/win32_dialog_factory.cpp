#include "win/views/win32_dialog_factory.h"

#include "win/views/win32_about_view.h"
#include "win/views/win32_ban_allow_view.h"
#include "win/views/win32_options_view.h"
#include "win/views/win32_progress_view.h"

namespace tarn::win {

std::unique_ptr<dialogs::ProgressView> Win32DialogFactory::CreateProgressView() {
    return std::make_unique<Win32ProgressView>(diagnostics_);
}

std::unique_ptr<dialogs::AboutView> Win32DialogFactory::CreateAboutView() {
    return std::make_unique<Win32AboutView>(diagnostics_);
}

std::unique_ptr<dialogs::BanAllowView> Win32DialogFactory::CreateBanAllowView() {
    return std::make_unique<Win32BanAllowView>(diagnostics_);
}

std::unique_ptr<dialogs::OptionsView> Win32DialogFactory::CreateOptionsView() {
    return std::make_unique<Win32OptionsView>(diagnostics_);
}

}  // namespace tarn::win
