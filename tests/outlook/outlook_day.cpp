// One day of a user's Outlook, in a process of its own: the stand-in Outlook starts with the
// installed add-in, the user does what the command line says, and the day ends as Outlook's
// days end: the user closes Outlook (today's Outlook then ends the process without telling the
// add-in more), unticks the add-in in the COM Add-ins dialog, or the process is killed. The
// week's test plays one such process a day and looks at what each left behind.
//
//   outlook_day [--outlook 2007] ACTION... (exit | disconnect | kill)
//   ACTION: sent:ADDRESS          a message the user sent to ADDRESS arrives in Sent Items
//           spam:SENDER           a message from SENDER arrives in the Inbox
//           foe:SENDER:N          N messages of SENDER, kept in a folder, are selected and
//                                 forbidden with "Forbid Sender(s)": N lessons
//           pause                 the user ticks "Pause Detection..." in the options
//           ban:ADDRESS           the user adds ADDRESS to the banned senders in the options
//           wait:MS               Outlook's message loop runs that long
//
// Prints one line per measurement ("start-up: ..." and "shutdown: ...") and per message box.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/mapi.h"
#include "tests/outlook/stand_in.h"
#include "tests/support/win32/window_watcher.h"
#include "win/views/view_resources.h"

namespace tarn::outlook {
namespace {

using test_support::WindowTextOf;

constexpr const wchar_t* OptionsTitle = L"Orvik' Tarn! for MS Outlook - Options";
constexpr int MiscellaneousTopic = 7;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The options dialog's pages, in the order of the topics.
HWND PageOf(HWND dialog, int topic) {
    HWND at = GetDlgItem(dialog, IDC_LISTVIEW1);
    for (int page = 0; page <= topic; ++page) at = GetWindow(at, GW_HWNDNEXT);
    return at;
}

host::sim::PropertyMap Mail(const std::string& sender, const std::string& subject, const std::string& body) {
    namespace tag = platform::prop_tag;
    return {{tag::SenderEmailAddress, sender},
            {tag::Subject, subject},
            {tag::Body, body},
            {tag::DisplayTo, "Tom Baker"},
            {tag::TransportMessageHeaders, "Content-Type: text/plain; charset=utf-8\r\n"}};
}

class Day {
public:
    explicit Day(host::sim::OutlookVersion version) : outlook_(version) {
        explorer_ = outlook_.Sim().OpenExplorer(outlook_.Sim().Inbox());
        outlook_.Pump();
        const AddinTimings timings = outlook_.Connect();
        std::cout << "start-up: " << timings.connected.count() << " us (created in " << timings.created.count()
                  << " us)" << std::endl;
        outlook_.Pump();
    }

    void Do(const std::string& action) {
        const auto parts = Split(action, ':');
        if (parts[0] == "sent" && parts.size() == 2) return Sent(parts[1]);
        if (parts[0] == "spam" && parts.size() == 2) return Arrive(parts[1]);
        if (parts[0] == "foe" && parts.size() == 3) return Forbid(parts[1], std::stoi(parts[2]));
        if (parts[0] == "pause" && parts.size() == 1) return InOptions([](HWND dialog) { TickPause(dialog); });
        if (parts[0] == "ban" && parts.size() == 2) {
            const std::wstring address(parts[1].begin(), parts[1].end());
            return InOptions([address](HWND dialog) { AddBannedSender(dialog, address); });
        }
        if (parts[0] == "wait" && parts.size() == 2) return outlook_.PumpFor(std::chrono::milliseconds(std::stoi(parts[1])));
        throw std::invalid_argument("unknown action: " + action);
    }

    void End(const std::string& how) {
        if (how == "kill") {
            std::cout << "killed" << std::endl;
            TerminateProcess(GetCurrentProcess(), 9);
        }
        std::chrono::microseconds took{};
        if (how == "disconnect") {
            took = outlook_.DisconnectInComAddInsDialog();
            outlook_.Exit();
        } else if (how == "exit") {
            took = outlook_.Exit();
        } else {
            throw std::invalid_argument("a day ends with exit, disconnect or kill, not " + how);
        }
        if (took.count() > 0) std::cout << "shutdown: " << took.count() << " us" << std::endl;
        for (const auto& box : outlook_.MessageBoxes()) {
            std::cout << "message box: " << platform::Narrow(std::u16string(box.text.begin(), box.text.end())) << std::endl;
        }
    }

private:
    void Sent(const std::string& address) {
        host::sim::ItemContent sent;
        sent.recipients.push_back({u"", std::u16string(address.begin(), address.end())});
        outlook_.Sim().AddMail(outlook_.Sim().DefaultFolder(host::DefaultFolder::SentMail), sent);
        outlook_.Pump();
    }

    void Arrive(const std::string& sender) {
        outlook_.Sim().AddItem(outlook_.Sim().Inbox(), Mail(sender, "Cheap watches", "Buy now"));
        outlook_.Pump();
    }

    // Messages kept in a folder of their own (no new-mail screening), all selected and forbidden.
    void Forbid(const std::string& sender, int count) {
        const auto folder = outlook_.Sim().AddFolder(outlook_.Sim().Inbox(), u"Kept " + std::u16string(sender.begin(), sender.end()));
        std::vector<std::shared_ptr<host::sim::SimItem>> items;
        for (int n = 0; n < count; ++n) {
            const std::string mark = sender + " " + std::to_string(n) + " " + std::to_string(GetTickCount());
            items.push_back(outlook_.Sim().AddItem(folder, Mail(sender, "Offer " + mark, "Unique offer text " + mark)));
        }
        outlook_.Pump();
        outlook_.Sim().SetCurrentFolder(explorer_, folder);
        outlook_.Sim().Select(explorer_, items);
        outlook_.Pump();
        Click(u"btnRedFace");
    }

    void InOptions(test_support::ScreenUser::Task task) {
        outlook_.User().WhenShown(OptionsTitle, std::move(task));
        Click(u"btnSettings");
    }

    void Click(const std::u16string& tag) {
        const auto button = explorer_->Bars()->FindControl(host::ControlType::Button, tag);
        if (!button) throw std::runtime_error("the main window has no button " + platform::Narrow(tag));
        outlook_.Sim().Click(button);
        outlook_.Pump();
    }

    static void TickPause(HWND dialog) {
        ListView_SetItemState(GetDlgItem(dialog, IDC_LISTVIEW1), MiscellaneousTopic, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
        const HWND page = PageOf(dialog, MiscellaneousTopic);
        for (const int check : {IDC_CHECK_FIRST, IDC_CHECK_SECOND, IDC_CHECK_THIRD}) {
            std::wstring caption = WindowTextOf(GetDlgItem(page, check));
            std::erase(caption, L'&');  // its access key
            if (caption.starts_with(L"Pause")) SendDlgItemMessageW(page, check, BM_CLICK, 0, 0);
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BTNCLOSEOPTIONS, BN_CLICKED), 0);
    }

    static void AddBannedSender(HWND dialog, const std::wstring& address) {
        const HWND senders = PageOf(dialog, 0);
        SetWindowTextW(GetDlgItem(senders, IDC_ENTRY_FIRST), address.c_str());
        SendDlgItemMessageW(senders, IDC_ADD_FIRST, BM_CLICK, 0, 0);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BTNCLOSEOPTIONS, BN_CLICKED), 0);
    }

    StandIn outlook_;
    std::shared_ptr<host::sim::SimExplorer> explorer_;
};

}  // namespace
}  // namespace tarn::outlook

int main(int argc, char** argv) {
    using namespace tarn;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    auto version = host::sim::OutlookVersion::Outlook2016;
    if (arguments.size() >= 2 && arguments[0] == "--outlook" && arguments[1] == "2007") {
        version = host::sim::OutlookVersion::Outlook2007;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.empty()) {
        std::cerr << "outlook_day: what does the user do, and how does the day end?\n";
        return 2;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int status = 0;
    try {
        outlook::Day day(version);
        for (std::size_t at = 0; at + 1 < arguments.size(); ++at) day.Do(arguments[at]);
        day.End(arguments.back());
    } catch (const std::exception& error) {
        std::cout << "failed: " << error.what() << std::endl;
        status = 1;
    }
    // The stand-in's checks of what the add-in answered (EXPECT_...) fail the day too.
    if (::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed()) status = 1;
    CoUninitialize();
    return status;
}
