#pragma once

#include <memory>

#include "dialogs/about_view.h"
#include "dialogs/ban_allow_view.h"
#include "dialogs/options_view.h"
#include "dialogs/progress_view.h"

namespace tarn::dialogs {

// Makes the add-in's windows: real ones in Outlook, headless ones in the simulator and tests.
// Each view is a new window, not yet shown; a window that cannot be created throws DialogError.
class DialogFactory {
public:
    virtual ~DialogFactory() = default;
    virtual std::unique_ptr<ProgressView> CreateProgressView() = 0;
    virtual std::unique_ptr<AboutView> CreateAboutView() = 0;
    virtual std::unique_ptr<BanAllowView> CreateBanAllowView() = 0;
    virtual std::unique_ptr<OptionsView> CreateOptionsView() = 0;
};

}  // namespace tarn::dialogs
