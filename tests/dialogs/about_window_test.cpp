#include <gtest/gtest.h>

#include <chrono>
#include <utility>
#include <vector>

#include "dialogs/about_window.h"
#include "dialogs/dialog_error.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "tests/support/temp_dir.h"

namespace tarn::dialogs {
namespace {

using namespace std::chrono_literals;
using test_support::TempDir;

class RecordingShell final : public platform::Shell {
public:
    std::vector<std::pair<std::u16string, platform::ShowCommand>> opened;
    void Open(const std::u16string& target, platform::ShowCommand show) override { opened.emplace_back(target, show); }
};

class FixedLocale final : public platform::LocaleFormat {
public:
    char separator = '.';
    std::string DateTimeText(const platform::LocalTime&) override { return {}; }
    char DecimalSeparator() override { return separator; }
};

class AboutWindow : public ::testing::Test {
protected:
    HeadlessDialogFactory factory;
    RecordingShell shell;
    FixedLocale locale;
    TempDir installation;

    void Show(long double version, std::uint8_t char_set = 1) {
        ShowAbout(factory, shell, locale, installation.Path(), char_set, version);
    }
    const AboutWindowRecord& Shown() const { return *factory.AboutWindows().back(); }
};

TEST_F(AboutWindow, TitleCarriesTheEngineVersionWithTheUsersDecimalSeparator) {
    Show(2.5L, 204);
    EXPECT_EQ(Shown().title, u"Orvik' Tarn Add-in for MS Outlook - 2.5");
    EXPECT_EQ(Shown().char_set, 204);
    locale.separator = ',';
    Show(2.5L);
    EXPECT_EQ(Shown().title, u"Orvik' Tarn Add-in for MS Outlook - 2,5");
    Show(0.0L);
    EXPECT_EQ(Shown().title, u"Orvik' Tarn Add-in for MS Outlook - 0");
    Show(1.25E20L);
    EXPECT_EQ(Shown().title, u"Orvik' Tarn Add-in for MS Outlook - 1,25E20");
}

TEST_F(AboutWindow, ButtonCaptionComesFromTheLanguageFileAtEachShowing) {
    Show(1.0L);
    EXPECT_EQ(Shown().button_caption, u"Go to our web site now...");

    const std::string header = "[Main]\r\nCurrent=Deutsch\r\nDeutsch=2000\r\n[1000]\r\nbtnGoToWebSite=Visit us\r\n[2000]\r\n";
    installation.Write("Language.ini", header + "btnGoToWebSite=Zur Webseite \x80\r\n");
    TFrmAddAbout about(factory.CreateAboutView(), shell, 1, u"1");
    about.ShowModal(installation.Path());
    EXPECT_EQ(Shown().button_caption, u"Zur Webseite \u20AC");

    installation.Write("Language.ini", header + "btnGoToWebSite=Jetzt besuchen\r\n");
    about.ShowModal(installation.Path());
    EXPECT_EQ(Shown().button_caption, u"Jetzt besuchen");
}

TEST_F(AboutWindow, GoToWebOpensTheMakersPageRestoredAndTheWindowStays) {
    Show(1.0L);
    EXPECT_TRUE(shell.opened.empty());

    factory.ClickGoToWebInNextAbout();
    Show(1.0L);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].first, u"https://www.tarn4ol.example/");
    EXPECT_EQ(shell.opened[0].second, platform::ShowCommand::Restore);
    EXPECT_EQ(Shown().goto_web_clicks, 1);
    EXPECT_EQ(Shown().showings.size(), 1u);
}

TEST_F(AboutWindow, OnlyTheSplashClosesByItselfAfterThreeSecondsAndItStaysWhileHeld) {
    auto splash = ShowSplash(factory, shell, locale, installation.Path(), 1, 1.0L);
    EXPECT_EQ(Shown().showings, (std::vector<std::optional<std::chrono::milliseconds>>{3000ms}));
    EXPECT_FALSE(Shown().destroyed);
    splash.reset();
    EXPECT_TRUE(Shown().destroyed);
    Show(1.0L);
    EXPECT_EQ(Shown().showings, (std::vector<std::optional<std::chrono::milliseconds>>{std::nullopt}));
}

TEST_F(AboutWindow, IsDestroyedWhenItClosesAndWhenShowingFails) {
    Show(1.0L);
    EXPECT_TRUE(Shown().destroyed);

    factory.FailNextAboutShowing();
    EXPECT_THROW(Show(1.0L), DialogError);
    EXPECT_TRUE(Shown().destroyed);
    EXPECT_TRUE(Shown().showings.empty());
}

TEST_F(AboutWindow, AWindowThatCannotBeCreatedLeavesNothingOpenAndTheCallerHearsOfIt) {
    factory.FailNextCreation();
    EXPECT_THROW(Show(1.0L), DialogError);
    EXPECT_TRUE(factory.AboutWindows().empty());
    EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace tarn::dialogs
