// Every window of the add-in as a user sees it: opened through its presenter on a display
// (wine's X11 driver on Xvfb), photographed off the screen, checked for what a picture can
// show, and kept as a bitmap in $TARN_SCREENS_DIR for the README.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

#include "dialogs/about_window.h"
#include "dialogs/ban_allow_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/progress_window.h"
#include "host/sim/sim_message_boxes.h"
#include "host/sim/sim_shell.h"
#include "platform/reg_file_registry.h"
#include "platform/stream_diagnostics.h"
#include "store/captions.h"
#include "store/settings.h"
#include "store/user_lists.h"
#include "tests/screens/screen_shot.h"
#include "tests/support/temp_dir.h"
#include "tests/support/win32/window_watcher.h"
#include "win/views/view_resources.h"
#include "win/views/win32_dialog_factory.h"

namespace tarn::win {
namespace {

using test_support::ScreenShot;
using test_support::WindowTextOf;
using test_support::WindowWatcher;

constexpr COLORREF PaleYellow = RGB(255, 255, 204);
constexpr COLORREF White = RGB(255, 255, 255);

void Keep(const ScreenShot& shot, const std::string& name) {
    if (const char* folder = std::getenv("TARN_SCREENS_DIR")) shot.Save(std::filesystem::path(folder) / (name + ".bmp"));
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

bool Shown(HWND dialog, int control) { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }

// A user's installation folder without a language file: every caption at its English default.
class Screens : public ::testing::Test {
protected:
    Screens() {
        installation.Write("BanSenders.tarn", "--++BANNED SENDERS++--\r\ndeals@cheap-watches.example\r\n"
                                              "lottery@winners.example\r\nnoreply@pharmacy.example\r\n");
        installation.Write("OKsenders.tarn", "--++protected senders++--\r\nalice@example.org\r\nbob@example.com\r\n");
        installation.Write("forbidden.tarn", "--++forbidden++--\r\ncasino\r\nreplica watches\r\nviagra\r\n");
        installation.Write("protected.tarn", "--++protect++--\r\ninvoice\r\nproject tarn\r\n");
        lists = store::UserLists::CreateLists(installation.Path(), diagnostics);
    }

    test_support::TempDir installation;
    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "screens"};
    Win32DialogFactory factory{diagnostics};
    host::sim::SimShell shell;
    host::sim::SimMessageBoxes boxes;
    platform::RegFileRegistry registry{installation / "registry.reg"};
    store::Settings settings;
    std::unique_ptr<store::UserLists> lists;
};

TEST_F(Screens, TheAboutWindowShowsThePictureAndTheButtonAtItsLowerRight) {
    dialogs::TFrmAddAbout about(factory.CreateAboutView(), shell, 1, u"2.5");
    std::optional<ScreenShot> shot;
    SIZE client{};
    std::wstring caption;
    {
        WindowWatcher user([&](HWND dialog) {
            shot = ScreenShot::Of(dialog);
            client = ClientSize(dialog);
            caption = WindowTextOf(GetDlgItem(dialog, IDC_BTNGOTOWEB));
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        about.ShowModal(installation.Path());
    }
    ASSERT_TRUE(shot);
    Keep(*shot, "about");
    EXPECT_EQ(client.cx, 367);
    EXPECT_EQ(client.cy, 242);
    EXPECT_EQ(caption, L"Go to our web site now...");
    const COLORREF sky = shot->AtClient(4, 4);  // the dusk sky at the upper left
    EXPECT_GT(GetBValue(sky), GetRValue(sky));
}

TEST_F(Screens, TheProgressWindowWhileRunningAndOnceCancelled) {
    const store::Captions captions;
    dialogs::TFRMProcessmsgs progress(factory.CreateProgressView(), captions, u"Orvik: 120 messages being analyzed");
    progress.SetMaximum(120);
    progress.SetPosition(48);
    progress.SetSpamLabel(u"Spam email: 9");
    progress.SetLegitVisible(true);
    progress.SetLegitLabel(u"OK Email: 39");
    progress.SetDetail(u"Re: minutes of Tuesday's meeting");
    progress.EnableCancel();
    std::optional<ScreenShot> running, cancelled;
    std::wstring spam;
    bool enabled_after_press = true;
    std::atomic<bool> done = false;
    {
        WindowWatcher user([&](HWND dialog) {
            running = ScreenShot::Of(dialog);
            spam = WindowTextOf(GetDlgItem(dialog, IDC_LBLSPAM));
            SendDlgItemMessageW(dialog, IDC_BTNCANCEL, BM_CLICK, 0, 0);
            enabled_after_press = IsWindowEnabled(GetDlgItem(dialog, IDC_BTNCANCEL)) != FALSE;
            cancelled = ScreenShot::Of(dialog);
            done = true;
        });
        progress.Show();
        // A modeless window: the command's thread pumps its messages as the folder walk does.
        for (int waited = 0; !done && waited < 10000; waited += 10) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            Sleep(10);
        }
    }
    ASSERT_TRUE(running && cancelled);
    Keep(*running, "progress-running");
    Keep(*cancelled, "progress-cancelled");
    EXPECT_EQ(spam, L"Spam email: 9");
    EXPECT_FALSE(enabled_after_press);
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_EQ(running->AtClient(4, 4), PaleYellow);
}

TEST_F(Screens, TheAllowOrBanDialogCollapsedAndExpanded) {
    for (const bool expanded : {false, true}) {
        dialogs::TfrmbanOK dialog(factory.CreateBanAllowView(), *lists, boxes, 1);
        dialog.SetEntry(u"Replica watches at 90% off - this week only");
        if (expanded) {
            dialog.SetBody(u"Dear friend,\n\nOur replica watches are back in stock, at prices you will not "
                           u"believe.\nOrder before Sunday and shipping is free.\n\nThe Watch Team");
            dialog.EnableMore(true);
        }
        std::optional<ScreenShot> shot;
        SIZE client{};
        bool pane_shown = false;
        std::wstring title, more;
        {
            WindowWatcher user([&](HWND window) {
                if (expanded) SendDlgItemMessageW(window, IDC_BTNMORE, BM_CLICK, 0, 0);
                shot = ScreenShot::Of(window);
                client = ClientSize(window);
                pane_shown = Shown(window, IDC_MEMO1);
                title = WindowTextOf(window);
                more = WindowTextOf(GetDlgItem(window, IDC_BTNMORE));
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            });
            EXPECT_EQ(dialog.ShowModal(installation.Path()), dialogs::ModalResult::Cancel);
        }
        ASSERT_TRUE(shot);
        Keep(*shot, expanded ? "ban-allow-expanded" : "ban-allow-collapsed");
        EXPECT_EQ(title, L"Orvik' Tarn - Allow or Ban Current Item Selection");
        EXPECT_EQ(more, expanded ? L"<< &Less" : L"&More >>");
        EXPECT_EQ(pane_shown, expanded);
        EXPECT_EQ(shot->AtClient(2, client.cy - 2), PaleYellow);
    }
}

TEST_F(Screens, TheOptionsDialogOnEachTopic) {
    constexpr std::array<const wchar_t*, 8> Topics = {L"Senders Lists", L"Words/expressions", L"Languages",
                                                      L"Quarantine",    L"Log-Books",         L"Address-Book",
                                                      L"Special Filters", L"Miscellaneous"};
    constexpr std::array<const char*, 8> Names = {"senders", "words", "languages", "quarantine",
                                                  "log-books", "address-book", "special-filters", "miscellaneous"};
    dialogs::TfrmOptions dialog(factory.CreateOptionsView(),
                                {settings, *lists, registry, shell, boxes, installation.Path()}, 1);
    dialog.ShowSettings();
    dialog.FillLists();
    std::array<std::optional<ScreenShot>, 8> shots;
    std::array<std::wstring, 8> banner_titles;
    SIZE client{};
    RECT designed{0, 0, 395, 225};  // the template's size in dialog units
    {
        WindowWatcher user([&](HWND window) {
            client = ClientSize(window);
            MapDialogRect(window, &designed);
            HWND topics = GetDlgItem(window, IDC_LISTVIEW1);
            for (int topic = 0; topic < 8; ++topic) {
                ListView_SetItemState(topics, topic, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
                shots[static_cast<std::size_t>(topic)] = ScreenShot::Of(window);
                banner_titles[static_cast<std::size_t>(topic)] = WindowTextOf(GetDlgItem(window, IDC_LBLTITLE));
            }
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(dialog.ShowModal(), dialogs::ModalResult::Cancel);
    }
    // 592 x 366 pixels with the 8-point shell dialog font of Windows at 96 DPI; here, what the
    // display's dialog font makes of the same units.
    EXPECT_EQ(client.cx, designed.right);
    EXPECT_EQ(client.cy, designed.bottom);
    for (std::size_t topic = 0; topic < shots.size(); ++topic) {
        ASSERT_TRUE(shots[topic]) << topic;
        Keep(*shots[topic], "options-" + std::to_string(topic) + "-" + Names[topic]);
        EXPECT_EQ(banner_titles[topic], Topics[topic]);
        EXPECT_EQ(shots[topic]->AtClient(client.cx / 2, 2), White) << "the banner of topic " << topic;
    }
}

}  // namespace
}  // namespace tarn::win
