// The options dialog on the screen (wine's null display driver), modal: a watcher thread plays
// the user through Win32 messages while the test's thread runs the dialog.
#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/stream_diagnostics.h"
#include "tests/support/win32/window_watcher.h"
#include "win/views/view_resources.h"
#include "win/views/win32_options_view.h"

namespace tarn::win {
namespace {

using dialogs::CheckBox;
using dialogs::ListEditor;
using dialogs::RadioGroup;
using test_support::WindowTextOf;
using test_support::WindowWatcher;
using ::testing::ElementsAre;

// The presenter's part: records what it heard and, as the real one, shows the chosen topic.
class Heard final : public dialogs::OptionsViewEvents {
public:
    explicit Heard(dialogs::OptionsView& view) : view_(view) {}
    std::vector<std::string> events;

    void TopicSelected(int topic) override {
        events.push_back("topic " + std::to_string(topic));
        view_.SetActivePage(topic);
    }
    void InnerTabChanged() override { events.push_back("inner tab"); }
    void ReportingModeClick() override { events.push_back("reporting mode"); }
    void AlphabetTickChanged() override { events.push_back("alphabet"); }
    void EntryMouseDown(ListEditor editor) override {
        events.push_back("entry press " + std::to_string(static_cast<int>(editor)));
        view_.SelectAllOfEntry(editor);
    }
    void ListClick(ListEditor editor) override { events.push_back("list click " + std::to_string(static_cast<int>(editor))); }
    void AddClick(ListEditor editor) override { events.push_back("add " + std::to_string(static_cast<int>(editor))); }
    void ListKeyDown(ListEditor editor, bool delete_key) override {
        events.push_back("key " + std::to_string(static_cast<int>(editor)) + (delete_key ? " DEL" : ""));
    }
    void RescanClick() override { events.push_back("rescan"); }
    void HelpClick() override { events.push_back("help"); }

private:
    dialogs::OptionsView& view_;
};

// The dialog's pages in their tab order, which follows the topic list.
std::array<HWND, 8> PagesOf(HWND dialog) {
    std::array<HWND, 8> pages{};
    HWND at = GetDlgItem(dialog, IDC_LISTVIEW1);
    for (HWND& page : pages) page = at = GetWindow(at, GW_HWNDNEXT);
    return pages;
}

std::wstring ListViewText(HWND list, int item) {
    std::wstring text(256, L'\0');
    LVITEMW row{};
    row.iSubItem = 0;
    row.pszText = text.data();
    row.cchTextMax = static_cast<int>(text.size());
    const auto length = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::vector<std::wstring> ListBoxLines(HWND list) {
    std::vector<std::wstring> lines;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int line = 0; line < count; ++line) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, line, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
        lines.push_back(text);
    }
    return lines;
}

bool Ticked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A press and release of the left mouse button at a point of a window's client area.
void ClickAt(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class OptionsDialogOnScreen : public ::testing::Test {
protected:
    OptionsDialogOnScreen() {
        view.SetEvents(&heard);
        const std::array<std::u16string, 8> topics = {u"Senders Lists", u"Words/expressions", u"Languages",
                                                      u"Quarantine",    u"Log-Books",         u"Address-Book",
                                                      u"Special Filters", u"Miscellaneous"};
        for (int topic = 0; topic < 8; ++topic) view.SetTopicCaption(topic, topics[static_cast<std::size_t>(topic)]);
        view.SetCaption("tabBlackList", u"Black List");
        view.SetCaption("tabWhiteList", u"White List");
        view.SetCaption("btnClose", u"Close");
        view.SetCaption("PnlGenSet", u"General Settings");
        view.SetRadioCaptions(RadioGroup::ReportingMode, u"Reporting Mode", {u"Automatic", u"Manual"});
        view.SetRadioCaptions(RadioGroup::ReportingInterval, u"Reporting Interval",
                              {u"Never", u"Every 15 minutes", u"Every 30 minutes", u"Every 45 minutes", u"Every hour",
                               u"Upon exit only"});
        view.SetCheckCaption(CheckBox::NotEnglish, u"Block any message written in English");
        view.SetLines(ListEditor::BannedSenders, {u"--++banned++--", u"bad@example.com", u"worse@example.com"});
        view.SetLines(ListEditor::FriendSenders, {u"--++protected senders++--", u"friend@example.org"});
        for (std::size_t editor = 0; editor < 4; ++editor) {
            view.SetEntryText(static_cast<ListEditor>(editor), u"Input word(s) here and press button to add...");
        }
        view.SetCountLabel(ListEditor::BannedSenders, u"3 Members in this List");
        view.SetBannerTitle(u"Senders Lists");
        view.SetBannerHint(u"Messages from these senders will be protected or banned...");
        view.SetActivePage(0);
    }

    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "test"};
    Win32OptionsView view{diagnostics};
    Heard heard{view};
};

TEST_F(OptionsDialogOnScreen, WhatThePresenterSetBeforeShowingIsOnTheControls) {
    view.SetRadioIndex(RadioGroup::ReportingMode, 1);
    view.SetRadioIndex(RadioGroup::ReportingInterval, 4);
    view.SetRadioEnabled(RadioGroup::ReportingInterval, false);
    view.SetChecked(CheckBox::NotEnglish, true);
    view.SetAlphabetTicked(0, true);
    view.SetAlphabetTicked(11, true);
    std::wstring title, topic3, tab1, count, entry, banner, close, check;
    std::vector<std::wstring> banned;
    bool first_page_only = false, manual = false, hour = false, interval_enabled = true, english = false;
    std::array<bool, 3> alphabets{};
    bool system_menu = true;
    LOGFONTW title_font{}, hint_font{};
    {
        WindowWatcher user([&](HWND dialog) {
            const auto pages = PagesOf(dialog);
            GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_LBLTITLE, WM_GETFONT, 0, 0)),
                       sizeof title_font, &title_font);
            GetObjectW(reinterpret_cast<HFONT>(SendDlgItemMessageW(dialog, IDC_LBLHINT, WM_GETFONT, 0, 0)),
                       sizeof hint_font, &hint_font);
            title = WindowTextOf(dialog);
            system_menu = (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU) != 0;
            topic3 = ListViewText(GetDlgItem(dialog, IDC_LISTVIEW1), 3);
            first_page_only = IsWindowVisible(pages[0]) != FALSE;
            for (std::size_t page = 1; page < pages.size(); ++page) first_page_only &= !IsWindowVisible(pages[page]);
            TCITEMW tab{};
            std::wstring tab_text(64, L'\0');
            tab.mask = TCIF_TEXT;
            tab.pszText = tab_text.data();
            tab.cchTextMax = 64;
            SendDlgItemMessageW(pages[0], IDC_INNERTABS, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&tab));
            tab1 = tab_text.c_str();
            count = WindowTextOf(GetDlgItem(pages[0], IDC_COUNT_FIRST));
            banned = ListBoxLines(GetDlgItem(pages[0], IDC_LIST_FIRST));
            entry = WindowTextOf(GetDlgItem(pages[0], IDC_ENTRY_FIRST));
            banner = WindowTextOf(GetDlgItem(dialog, IDC_LBLHINT));
            close = WindowTextOf(GetDlgItem(dialog, IDC_BTNCLOSEOPTIONS));
            manual = Ticked(GetDlgItem(pages[4], IDC_RADIO_FIRST + 1));
            hour = Ticked(GetDlgItem(pages[4], IDC_RADIO_SECOND + 4));
            interval_enabled = IsWindowEnabled(GetDlgItem(pages[4], IDC_RADIO_SECOND)) != FALSE;
            english = Ticked(GetDlgItem(pages[6], IDC_CHECK_SECOND));
            check = WindowTextOf(GetDlgItem(pages[6], IDC_CHECK_SECOND));
            HWND letters = GetDlgItem(pages[2], IDC_ALPHABETS);
            for (int item : {0, 1, 11}) {
                alphabets[item == 11 ? 2 : static_cast<std::size_t>(item)] = ListView_GetCheckState(letters, item) != FALSE;
            }
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Cancel);
    }
    EXPECT_EQ(title, L"Orvik' Tarn! for MS Outlook - Options");
    // The banner's title stands out: bold and larger than its hint.
    EXPECT_EQ(title_font.lfWeight, FW_BOLD);
    EXPECT_GT(std::abs(title_font.lfHeight), std::abs(hint_font.lfHeight));
    EXPECT_FALSE(system_menu);
    EXPECT_EQ(topic3, L"Quarantine");
    EXPECT_TRUE(first_page_only);
    EXPECT_EQ(tab1, L"White List");
    EXPECT_EQ(count, L"3 Members in this List");
    EXPECT_THAT(banned, ElementsAre(L"--++banned++--", L"bad@example.com", L"worse@example.com"));
    EXPECT_EQ(entry, L"Input word(s) here and press button to add...");
    EXPECT_EQ(banner, L"Messages from these senders will be protected or banned...");
    EXPECT_EQ(close, L"&Close");
    EXPECT_TRUE(manual);
    EXPECT_TRUE(hour);
    EXPECT_FALSE(interval_enabled);
    EXPECT_TRUE(english);
    EXPECT_EQ(check, L"&Block any message written in English");
    EXPECT_EQ(alphabets, (std::array<bool, 3>{true, false, true}));
    EXPECT_TRUE(heard.events.empty());  // filling the window is not the user's doing
}

TEST_F(OptionsDialogOnScreen, ChoosingATopicShowsItsPageAndTheChoicesThereAreKeptAfterClosing) {
    bool logbooks_shown = false, senders_hidden = false;
    {
        WindowWatcher user([&](HWND dialog) {
            const auto pages = PagesOf(dialog);
            ListView_SetItemState(GetDlgItem(dialog, IDC_LISTVIEW1), 4, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
            logbooks_shown = IsWindowVisible(pages[4]) != FALSE;
            senders_hidden = IsWindowVisible(pages[0]) == FALSE;
            SendDlgItemMessageW(pages[4], IDC_RADIO_FIRST + 1, BM_CLICK, 0, 0);
            SendDlgItemMessageW(pages[4], IDC_RADIO_SECOND + 2, BM_CLICK, 0, 0);
            ListView_SetItemState(GetDlgItem(dialog, IDC_LISTVIEW1), 6, LVIS_SELECTED, LVIS_SELECTED);
            SendDlgItemMessageW(pages[6], IDC_CHECK_FIRST, BM_CLICK, 0, 0);
            ListView_SetItemState(GetDlgItem(dialog, IDC_LISTVIEW1), 2, LVIS_SELECTED, LVIS_SELECTED);
            ListView_SetCheckState(GetDlgItem(pages[2], IDC_ALPHABETS), 5, TRUE);
            PostMessageW(GetDlgItem(dialog, IDC_LISTVIEW1), WM_KEYDOWN, VK_ESCAPE, 0);
        });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Cancel);
    }
    EXPECT_TRUE(logbooks_shown);
    EXPECT_TRUE(senders_hidden);
    EXPECT_THAT(heard.events, ElementsAre("topic 4", "reporting mode", "topic 6", "topic 2", "alphabet"));
    EXPECT_EQ(view.ActivePage(), 2);
    EXPECT_EQ(view.RadioIndex(RadioGroup::ReportingMode), 1);
    EXPECT_EQ(view.RadioIndex(RadioGroup::ReportingInterval), 2);
    EXPECT_TRUE(view.Checked(CheckBox::NotInList));
    EXPECT_TRUE(view.AlphabetTicked(5));
    EXPECT_FALSE(view.AlphabetTicked(4));
}

TEST_F(OptionsDialogOnScreen, EachPageHasItsOwnAccessKeysBesideTheFramesAndTheyPressTheControls) {
    view.SetCaption("btnhelp", u"Help");
    std::array<std::wstring, 8> logbooks;
    std::wstring help;
    {
        WindowWatcher user([&](HWND dialog) {
            const auto pages = PagesOf(dialog);
            ListView_SetItemState(GetDlgItem(dialog, IDC_LISTVIEW1), 4, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
            help = WindowTextOf(GetDlgItem(dialog, IDC_BTNHELP));
            logbooks[0] = WindowTextOf(GetDlgItem(pages[4], IDC_RADIO_FIRST));
            logbooks[1] = WindowTextOf(GetDlgItem(pages[4], IDC_RADIO_FIRST + 1));
            for (int item = 0; item < 6; ++item) {
                logbooks[static_cast<std::size_t>(item) + 2] = WindowTextOf(GetDlgItem(pages[4], IDC_RADIO_SECOND + item));
            }
            // Alt+M chooses Manual on the shown page; Alt+H is the frame's Help.
            PostMessageW(GetDlgItem(dialog, IDC_LISTVIEW1), WM_SYSCHAR, L'm', 1 << 29);
            PostMessageW(GetDlgItem(dialog, IDC_LISTVIEW1), WM_SYSCHAR, L'h', 1 << 29);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_EQ(help, L"&Help");
    EXPECT_THAT(logbooks, ElementsAre(L"&Automatic", L"&Manual", L"&Never", L"&Every 15 minutes", L"Every &30 minutes",
                                      L"Every &45 minutes", L"E&very hour", L"&Upon exit only"));
    EXPECT_THAT(heard.events, ElementsAre("topic 4", "reporting mode", "help"));
    EXPECT_EQ(view.RadioIndex(RadioGroup::ReportingMode), 1);
}

// Wine runs every monitor at one DPI: the test sends what a move to another monitor brings.
TEST_F(OptionsDialogOnScreen, OnAMonitorOfAnotherDpiTheIconsAndFontsAreMadeAgainAndThePagesFitTheirArea) {
    HIMAGELIST icons_before = nullptr, icons_after = nullptr;
    HGDIOBJ font_before = nullptr, font_after = nullptr;
    int icon_count = 0;
    bool page_on_area = false;
    {
        WindowWatcher user([&](HWND dialog) {
            HWND topics = GetDlgItem(dialog, IDC_LISTVIEW1);
            icons_before = ListView_GetImageList(topics, LVSIL_SMALL);
            font_before = reinterpret_cast<HGDIOBJ>(SendMessageW(topics, WM_GETFONT, 0, 0));
            RECT suggested{};
            GetWindowRect(dialog, &suggested);
            SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
            for (int wait = 0; wait < 200 && ListView_GetImageList(topics, LVSIL_SMALL) == icons_before; ++wait) Sleep(10);
            icons_after = ListView_GetImageList(topics, LVSIL_SMALL);
            icon_count = ImageList_GetImageCount(icons_after);
            font_after = reinterpret_cast<HGDIOBJ>(SendMessageW(topics, WM_GETFONT, 0, 0));
            RECT area{}, page{};
            GetWindowRect(GetDlgItem(dialog, IDC_PAGEAREA), &area);
            GetWindowRect(PagesOf(dialog)[0], &page);
            page_on_area = EqualRect(&area, &page) != FALSE;
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_NE(icons_after, icons_before);
    EXPECT_EQ(icon_count, 8);
    EXPECT_NE(font_after, font_before);
    EXPECT_EQ(GetObjectType(font_before), 0u) << "the font of the old DPI is deleted";
    EXPECT_TRUE(page_on_area);
}

TEST_F(OptionsDialogOnScreen, TheListEditorsReportPressesClicksKeysAndTheirInnerTab) {
    bool second_editor_shown = false;
    {
        WindowWatcher user([&](HWND dialog) {
            HWND senders = PagesOf(dialog)[0];
            HWND entry = GetDlgItem(senders, IDC_ENTRY_FIRST);
            ClickAt(entry, 5, 5);
            const auto all = SendMessageW(entry, EM_GETSEL, 0, 0);
            if (LOWORD(all) != 0 || HIWORD(all) != GetWindowTextLengthW(entry)) ADD_FAILURE() << "not all selected";
            SetWindowTextW(entry, L"spam@example.net");
            SendDlgItemMessageW(senders, IDC_ADD_FIRST, BM_CLICK, 0, 0);
            HWND list = GetDlgItem(senders, IDC_LIST_FIRST);
            RECT line{};
            SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
            ClickAt(list, line.left + 4, line.top + 2);
            SendMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
            HWND tabs = GetDlgItem(senders, IDC_INNERTABS);
            RECT tab{};
            SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
            ClickAt(tabs, tab.left + 4, tab.top + 4);
            second_editor_shown = IsWindowVisible(GetDlgItem(senders, IDC_LIST_SECOND)) != FALSE &&
                                  IsWindowVisible(GetDlgItem(senders, IDC_LIST_FIRST)) == FALSE;
            // Enter in the friends' entry field adds its text.
            PostMessageW(GetDlgItem(senders, IDC_ENTRY_SECOND), WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(dialog, WM_COMMAND, IDC_BTNHELP, 0);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_THAT(heard.events, ElementsAre("entry press 0", "add 0", "list click 0", "key 0 DEL", "inner tab", "add 1",
                                          "help"));
    EXPECT_TRUE(second_editor_shown);
    EXPECT_EQ(view.EntryText(ListEditor::BannedSenders), u"spam@example.net");
    EXPECT_THAT(view.SelectedLines(ListEditor::BannedSenders), ElementsAre(1u));
    EXPECT_EQ(view.CaretLine(ListEditor::BannedSenders), 1);
}

}  // namespace
}  // namespace tarn::win
