// The allow/ban dialog on the screen (wine's null display driver), modal: a watcher thread
// plays the user through Win32 messages while the test's thread runs the dialog.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/stream_diagnostics.h"
#include "tests/support/win32/window_watcher.h"
#include "win/views/view_resources.h"
#include "win/views/win32_ban_allow_view.h"

namespace tarn::win {
namespace {

using test_support::WindowTextOf;
using test_support::WindowWatcher;

// The presenter's part: records what it heard, and closes the dialog on Ban and Allow as the
// real presenter does.
class Choices final : public dialogs::BanAllowViewEvents {
public:
    explicit Choices(dialogs::BanAllowView& view) : view_(view) {}
    std::vector<std::string> heard;
    std::u16string body_selection_at_mouse_up;
    std::u16string entry_selection_at_ban;

    void btnBanClick() override {
        heard.push_back("ban");
        entry_selection_at_ban = view_.EntrySelection();
        view_.CloseWith(dialogs::ModalResult::No);
    }
    void btnAllowClick() override {
        heard.push_back("allow");
        view_.CloseWith(dialogs::ModalResult::Ok);
    }
    void btnmoreClick() override {
        heard.push_back("more");
        view_.SetOuterHeight(350);
    }
    void Memo1MouseUp() override {
        heard.push_back("mouse up");
        body_selection_at_mouse_up = view_.BodySelection();
    }

private:
    dialogs::BanAllowView& view_;
};

HIMAGELIST GlyphOf(HWND button) {
    BUTTON_IMAGELIST images{};
    SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    return images.himl;
}

bool Shown(HWND dialog, int control) { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }

int OuterHeight(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return frame.bottom - frame.top;
}

class BanAllowDialogOnScreen : public ::testing::Test {
protected:
    BanAllowDialogOnScreen() {
        view.SetEvents(&choices);
        view.SetTitle(u"Orvik' Tarn - Allow or Ban Current Item Selection");
        view.SetInstruction(u"Select only a part of this subject if necessary.");
        view.SetBanCaption(u"Ban");
        view.SetAllowCaption(u"Allow");
        view.SetCloseCaption(u"Close");
        view.SetMoreCaption(u"More >>");
        view.SetEntryText(u"Cheap watches today");
        view.SetOuterHeight(150);
    }

    std::ostringstream log;
    platform::StreamDiagnostics diagnostics{log, "test"};
    Win32BanAllowView view{diagnostics};
    Choices choices{view};
};

TEST_F(BanAllowDialogOnScreen, OpensCollapsedWithThePresentersTextsAndNoBorderIcons) {
    std::wstring title, instruction, entry, ban, more;
    bool more_enabled = true, pane_shown = true, label_shown = true, system_menu = true, topmost = false;
    int height = 0;
    {
        WindowWatcher user([&](HWND dialog) {
            title = WindowTextOf(dialog);
            instruction = WindowTextOf(GetDlgItem(dialog, IDC_LBLSELECT));
            entry = WindowTextOf(GetDlgItem(dialog, IDC_EAE));
            ban = WindowTextOf(GetDlgItem(dialog, IDC_BTNBAN));
            more = WindowTextOf(GetDlgItem(dialog, IDC_BTNMORE));
            more_enabled = IsWindowEnabled(GetDlgItem(dialog, IDC_BTNMORE)) != FALSE;
            pane_shown = Shown(dialog, IDC_MEMO1);
            label_shown = Shown(dialog, IDC_LABEL2);
            system_menu = (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU) != 0;
            topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            height = OuterHeight(dialog);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Cancel);
    }
    EXPECT_EQ(title, L"Orvik' Tarn - Allow or Ban Current Item Selection");
    EXPECT_EQ(instruction, L"Select only a part of this subject if necessary.");
    EXPECT_EQ(entry, L"Cheap watches today");
    EXPECT_EQ(ban, L"&Ban");
    EXPECT_EQ(more, L"&More >>");
    EXPECT_FALSE(more_enabled);
    EXPECT_FALSE(pane_shown);
    EXPECT_FALSE(label_shown);
    EXPECT_FALSE(system_menu);
    EXPECT_TRUE(topmost);
    EXPECT_EQ(height, 150);
    EXPECT_TRUE(choices.heard.empty());
}

TEST_F(BanAllowDialogOnScreen, MoreGrowsTheWindowAndShowsTheBodyPane) {
    view.SetBodyText(u"line one\nline two");
    view.SetMoreEnabled(true);
    bool pane_shown = false;
    int height = 0;
    std::wstring body;
    {
        WindowWatcher user([&](HWND dialog) {
            SendMessageW(GetDlgItem(dialog, IDC_BTNMORE), BM_CLICK, 0, 0);
            pane_shown = Shown(dialog, IDC_MEMO1) && Shown(dialog, IDC_LABEL2);
            height = OuterHeight(dialog);
            body = WindowTextOf(GetDlgItem(dialog, IDC_MEMO1));
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BTNCLOSE, BN_CLICKED), 0);
        });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Cancel);
    }
    EXPECT_EQ(choices.heard, std::vector<std::string>{"more"});
    EXPECT_TRUE(pane_shown);
    EXPECT_EQ(height, 350);
    EXPECT_EQ(body, L"line one\r\nline two");  // the bare line break shown as a break
}

TEST_F(BanAllowDialogOnScreen, BanAndAllowReachThePresenterWhichEndsTheShowingWithTheirResults) {
    {
        WindowWatcher user([](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDC_BTNBAN), BM_CLICK, 0, 0); });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::No);
    }
    {
        WindowWatcher user([](HWND dialog) { SendMessageW(GetDlgItem(dialog, IDC_BTNALLOW), BM_CLICK, 0, 0); });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Ok);
    }
    EXPECT_EQ(choices.heard, (std::vector<std::string>{"ban", "allow"}));
}

TEST_F(BanAllowDialogOnScreen, AccessKeysPressTheButtonsAndFollowTheirCaptions) {
    view.SetBodyText(u"text");
    view.SetMoreEnabled(true);
    std::wstring less;
    std::u16string more_caption;
    {
        WindowWatcher user([&](HWND dialog) {
            // The presenter turns More into Less; the caption it reads back is its own.
            view.SetMoreCaption(u"<< Less");
            less = WindowTextOf(GetDlgItem(dialog, IDC_BTNMORE));
            more_caption = view.MoreCaption();
            // Alt+A, typed while the entry has the focus.
            PostMessageW(GetDlgItem(dialog, IDC_EAE), WM_SYSCHAR, L'a', 1 << 29);
        });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Ok);
    }
    EXPECT_EQ(less, L"<< &Less");
    EXPECT_EQ(more_caption, u"<< Less");
    EXPECT_EQ(choices.heard, std::vector<std::string>{"allow"});
}

// Wine runs every monitor at one DPI, so the test sends the message a move to another
// monitor brings; the view must then make its font and glyphs again.
TEST_F(BanAllowDialogOnScreen, OnAMonitorOfAnotherDpiTheFontAndTheGlyphsAreMadeAgain) {
    HGDIOBJ font_before = nullptr, font_after = nullptr;
    HIMAGELIST glyph_before = nullptr, glyph_after = nullptr;
    int height_after = 0;
    {
        WindowWatcher user([&](HWND dialog) {
            HWND ban = GetDlgItem(dialog, IDC_BTNBAN);
            font_before = reinterpret_cast<HGDIOBJ>(SendMessageW(ban, WM_GETFONT, 0, 0));
            glyph_before = GlyphOf(ban);
            RECT suggested{};
            GetWindowRect(dialog, &suggested);
            SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
            for (int wait = 0; wait < 200 && GlyphOf(ban) == glyph_before; ++wait) Sleep(10);
            font_after = reinterpret_cast<HGDIOBJ>(SendMessageW(ban, WM_GETFONT, 0, 0));
            glyph_after = GlyphOf(ban);
            height_after = OuterHeight(dialog);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_NE(glyph_after, glyph_before);
    EXPECT_NE(font_after, font_before);
    EXPECT_EQ(GetObjectType(font_before), 0u) << "the font of the old DPI is deleted";
    EXPECT_EQ(height_after, 150);
}

TEST_F(BanAllowDialogOnScreen, EscClosesWithoutChoosingAndWhatTheUserTypedStaysReadable) {
    {
        WindowWatcher user([](HWND dialog) {
            SetWindowTextW(GetDlgItem(dialog, IDC_EAE), L"watches");
            PostMessageW(GetDlgItem(dialog, IDC_EAE), WM_KEYDOWN, VK_ESCAPE, 0);
        });
        EXPECT_EQ(view.ShowModal(), dialogs::ModalResult::Cancel);
    }
    EXPECT_TRUE(choices.heard.empty());
    EXPECT_EQ(view.EntryText(), u"watches");
}

TEST_F(BanAllowDialogOnScreen, TheSelectionsOfTheEntryAndOfTheBodyPaneReachThePresenter) {
    view.SetBodyText(u"Buy cheap watches now");
    view.SetOuterHeight(350);
    {
        WindowWatcher user([&](HWND dialog) {
            SendDlgItemMessageW(dialog, IDC_MEMO1, EM_SETSEL, 4, 9);
            SendDlgItemMessageW(dialog, IDC_MEMO1, WM_LBUTTONUP, 0, 0);
            SendDlgItemMessageW(dialog, IDC_EAE, EM_SETSEL, 6, 13);
            SendMessageW(GetDlgItem(dialog, IDC_BTNBAN), BM_CLICK, 0, 0);
        });
        view.ShowModal();
    }
    EXPECT_EQ(choices.heard, (std::vector<std::string>{"mouse up", "ban"}));
    EXPECT_EQ(choices.body_selection_at_mouse_up, u"cheap");
    EXPECT_EQ(choices.entry_selection_at_ban, u"watches");
    EXPECT_TRUE(view.BodySelection().empty());  // nothing is selected once the window is gone
}

}  // namespace
}  // namespace tarn::win
