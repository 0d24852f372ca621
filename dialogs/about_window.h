#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/about_view.h"
#include "dialogs/dialog_factory.h"
#include "platform/locale_format.h"
#include "platform/shell.h"

namespace tarn::dialogs {

// The about window: the add-in's name and the rating engine's version in the title, and a
// button to the maker's web site.
class TFrmAddAbout final : public AboutViewEvents {
public:
    // Creates the window with the language file's character set and the title: the designed
    // title, " - " and the engine's version as text.
    TFrmAddAbout(std::unique_ptr<AboutView> view, platform::Shell& shell, std::uint8_t char_set,
                 const std::u16string& version_text);
    TFrmAddAbout(const TFrmAddAbout&) = delete;
    TFrmAddAbout& operator=(const TFrmAddAbout&) = delete;

    // Shows the window modally: the button's caption read afresh from the language file of the
    // installation directory, and, with close_after, closing by itself after that long.
    void ShowModal(const std::filesystem::path& installation_directory,
                   std::optional<std::chrono::milliseconds> close_after);

    // Opens the maker's web page in the user's browser; the window stays open.
    void btnGotowebClick() override;

private:
    std::unique_ptr<AboutView> view_;
    platform::Shell& shell_;
};

enum class AboutShowing {
    Command,  // the toolbar's about button: the window stays until the user closes it
    StartUp,  // the splash at the add-in's start: the window closes by itself after 3 seconds
};

// Shows the about window modally and destroys it when it has closed, also when showing failed.
// The title carries the rating engine's version in the general number form with the user's
// decimal separator. The caller decides whether a start-up showing happens at all (the
// "ShowSplash" setting). A window that cannot be created or shown throws DialogError.
void ShowAbout(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
               const std::filesystem::path& installation_directory, std::uint8_t char_set,
               long double engine_version, AboutShowing showing);

}  // namespace tarn::dialogs
