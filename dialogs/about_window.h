#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
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

    // Shows the window modally, with the button's caption read afresh from the language file of
    // the installation directory.
    void ShowModal(const std::filesystem::path& installation_directory);
    // The same without waiting: the window closes by itself after `close_after`, or at a click.
    void ShowModeless(const std::filesystem::path& installation_directory, std::chrono::milliseconds close_after);

    // Opens the maker's web page in the user's browser; the window stays open.
    void btnGotowebClick() override;

private:
    std::unique_ptr<AboutView> view_;
    platform::Shell& shell_;
};

// The toolbar's about button: shows the about window modally until the user closes it, and
// destroys it then, also when showing failed. The title carries the rating engine's version in
// the general number form with the user's decimal separator. A window that cannot be created or
// shown throws DialogError.
void ShowAbout(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
               const std::filesystem::path& installation_directory, std::uint8_t char_set,
               long double engine_version);

// The splash at the add-in's start: the same window, shown without waiting for it (Outlook's
// start goes on), closing by itself after 3 seconds or at a click. It stays while the returned
// window is held. The caller decides whether it shows at all (the "ShowSplash" setting).
std::unique_ptr<TFrmAddAbout> ShowSplash(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
                                         const std::filesystem::path& installation_directory, std::uint8_t char_set,
                                         long double engine_version);

}  // namespace tarn::dialogs
