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

namespace {

std::u16string ButtonCaption(const std::filesystem::path& installation_directory) {
    const store::LanguageFile language(installation_directory);
    return platform::Widen(language.Text(GoToWebSiteKey, GoToWebSiteDefault));
}

std::unique_ptr<TFrmAddAbout> MakeAbout(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
                                        std::uint8_t char_set, long double engine_version) {
    const std::string version = platform::GeneralNumberText(engine_version, locale.DecimalSeparator());
    return std::make_unique<TFrmAddAbout>(factory.CreateAboutView(), shell, char_set, platform::Widen(version));
}

}  // namespace

void TFrmAddAbout::ShowModal(const std::filesystem::path& installation_directory) {
    view_->SetButtonCaption(ButtonCaption(installation_directory));
    view_->ShowModal();
}

void TFrmAddAbout::ShowModeless(const std::filesystem::path& installation_directory,
                                std::chrono::milliseconds close_after) {
    view_->SetButtonCaption(ButtonCaption(installation_directory));
    view_->ShowModeless(close_after);
}

void TFrmAddAbout::btnGotowebClick() { shell_.Open(std::u16string(WebSite), platform::ShowCommand::Restore); }

void ShowAbout(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
               const std::filesystem::path& installation_directory, std::uint8_t char_set,
               long double engine_version) {
    MakeAbout(factory, shell, locale, char_set, engine_version)->ShowModal(installation_directory);
}

std::unique_ptr<TFrmAddAbout> ShowSplash(DialogFactory& factory, platform::Shell& shell, platform::LocaleFormat& locale,
                                         const std::filesystem::path& installation_directory, std::uint8_t char_set,
                                         long double engine_version) {
    auto splash = MakeAbout(factory, shell, locale, char_set, engine_version);
    splash->ShowModeless(installation_directory, SplashDuration);
    return splash;
}

}  // namespace tarn::dialogs
