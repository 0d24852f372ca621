#include "dialogs/about_window.h"

#include <string_view>

#include "platform/codepage.h"
#include "store/language_file.h"

namespace tarn::dialogs {

namespace {

constexpr std::u16string_view DesignedTitle = u"Orvik' Tarn Add-in for MS Outlook";
constexpr std::u16string_view WebSite = u"https://www.tarn4ol.example/";
constexpr std::string_view GoToWebSiteKey = "btnGoToWebSite";
constexpr std::string_view GoToWebSiteDefault = "Go to our web site now...";
constexpr std::chrono::milliseconds SplashDuration{3000};

}  // namespace

TFrmAddAbout::TFrmAddAbout(std::unique_ptr<AboutView> view, platform::Shell& shell, std::uint8_t char_set,
                           const std::u16string& version_text)
    : view_(std::move(view)), shell_(shell) {
    view_->SetEvents(this);
    view_->SetCharSet(char_set);
    view_->SetTitle(std::u16string(DesignedTitle) + u" - " + version_text);
}

void TFrmAddAbout::ShowModal(const std::filesystem::path& installation_directory,
                             std::optional<std::chrono::milliseconds> close_after) {
    const store::LanguageFile language(installation_directory);
    view_->SetButtonCaption(platform::Widen(language.Text(GoToWebSiteKey, GoToWebSiteDefault)));
    view_->ShowModal(close_after);
}

void TFrmAddAbout::btnGotowebClick() { shell_.Open(std::u16string(WebSite), platform::ShowCommand::Restore); }

void ShowAbout(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
               const std::filesystem::path& installation_directory, std::uint8_t char_set,
               long double engine_version, AboutShowing showing) {
    const std::string version = platform::GeneralNumberText(engine_version, locale.DecimalSeparator());
    TFrmAddAbout about(factory.CreateAboutView(), shell, char_set, platform::Widen(version));
    std::optional<std::chrono::milliseconds> close_after;
    if (showing == AboutShowing::StartUp) close_after = SplashDuration;
    about.ShowModal(installation_directory, close_after);
}

}  // namespace tarn::dialogs
