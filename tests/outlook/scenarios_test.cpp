// Tarn4OL.dll installed and registered as a user does it, then created and driven by Outlook's
// stand-in through real COM: the connection, the toolbars, mail arriving, clicks, selections,
// message windows, Outlook's exit and the removal of the add-in.
#include <windows.h>
#include <oleauto.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>

#include "platform/codepage.h"
#include "platform/mapi.h"
#include "tests/outlook/installation.h"
#include "tests/outlook/stand_in.h"
#include "tests/outlook/test_session.h"
#include "win/server_identity.h"
#include "win/views/view_resources.h"

namespace tarn::outlook {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;
using ::testing::Truly;
using host::sim::SimCommandBar;
using host::sim::SimExplorer;
namespace tag = platform::prop_tag;


const std::pair<std::string, std::string> BannedSenders{"BanSenders.tarn", "--++BANNED SENDERS++--\r\nspam.example\r\n"};
const std::pair<std::string, std::string> FriendSenders{"OKsenders.tarn",
                                                        "--++protected senders++--\r\nfriend@example.com\r\n"};

host::sim::PropertyMap Mail(std::string sender, std::string subject) {
    return {{tag::SenderEmailAddress, std::move(sender)},
            {tag::Subject, std::move(subject)},
            {tag::Body, "Hello there"},
            {tag::DisplayTo, "Tom Baker"},
            {tag::TransportMessageHeaders, "Content-Type: text/plain; charset=utf-8\r\n"}};
}

std::shared_ptr<SimCommandBar> Bar(const std::shared_ptr<SimExplorer>& window, const std::u16string& name) {
    for (const auto& bar : window->Bars()->Elements()) {
        if (bar->State().name == name) return bar;
    }
    return nullptr;
}

std::vector<std::string> Tags(const std::shared_ptr<SimCommandBar>& bar) {
    std::vector<std::string> tags;
    for (const auto& control : bar->Contents().Elements()) tags.push_back(platform::Narrow(control->State().tag));
    return tags;
}

// An Outlook session with the installed add-in on a first start: no settings yet, a list of
// banned senders and one of friends beside the library, the main window open on the Inbox.
class Installed : public ::testing::Test {
protected:
    void SetUp() override {
        installation->StartAfresh({BannedSenders, FriendSenders});
        explorer = outlook.Sim().OpenExplorer(outlook.Sim().Inbox());
        outlook.Pump();
    }
    // A message box stops the user's work: none comes but the first start's welcome, unless the
    // test expects it.
    void TearDown() override {
        std::vector<test_support::ShownMessageBox> shown = outlook.MessageBoxes();
        std::erase_if(shown, IsFirstStartWelcome);
        EXPECT_EQ(shown, expected_message_boxes);
    }
    static bool IsFirstStartWelcome(const test_support::ShownMessageBox& box) {
        return box.caption == L"Orvik' Tarn!" &&
               box.text.starts_with(L"Orvik' Tarn4OL Anti-Spam...\rQuarantine folder = Inbox\\Quarantine\r");
    }
    void Connect() { outlook.Connect(); outlook.Pump(); }
    // Outlook closes as today's Outlook does: the windows close and Quit comes, nothing more.
    void Exit() { outlook.Exit(); }
    std::shared_ptr<host::sim::SimItem> Arrive(host::sim::PropertyMap properties) {
        auto item = outlook.Sim().AddItem(outlook.Sim().Inbox(), std::move(properties));
        outlook.Pump();
        return item;
    }
    std::shared_ptr<host::sim::SimCommandBarControl> Button(const std::shared_ptr<SimExplorer>& window,
                                                              const std::u16string& tag) {
        return std::dynamic_pointer_cast<host::sim::SimCommandBarControl>(
            window->Bars()->FindControl(host::ControlType::Button, tag));
    }

    Installation* installation = &InstalledAddin();
    StandIn outlook;
    std::shared_ptr<SimExplorer> explorer;
    std::vector<test_support::ShownMessageBox> expected_message_boxes;
};

using Startup = Installed;

void PrintTimings(const char* start, const AddinTimings& timings) {
    std::cout << "[ start-up ] " << start << ": OnConnection and OnStartupComplete "
              << timings.connected.count() / 1000.0 << " ms (the library loaded and the object made before: "
              << timings.created.count() / 1000.0 << " ms)\n";
}

TEST_F(Startup, NothingWaitsForTheUserInsideTheStartAndTheStandInReportsItsTime) {
    // Outlook disables add-ins that keep its start waiting; the figures go into the README.
    // The first start's welcome box and scans come once the start has returned.
    const auto first = outlook.Connect();
    EXPECT_TRUE(outlook.MessageBoxes().empty());
    outlook.Pump();
    EXPECT_THAT(outlook.MessageBoxes(), ElementsAre(Truly(IsFirstStartWelcome)));
    Exit();
    StandIn later;
    later.Sim().OpenExplorer(later.Sim().Inbox());
    later.Pump();
    const auto loaded = later.Connect();
    later.Pump();
    PrintTimings("first start", first);
    PrintTimings("later start", loaded);
    RecordProperty("start_up_us", std::to_string(loaded.connected.count()));
    EXPECT_TRUE(later.MessageBoxes().empty());
}

TEST_F(Startup, TheFirstStartTellsWhereTheQuarantineIsInOneMessageBoxAndALaterOneShowsTheSplash) {
    Connect();
    EXPECT_THAT(outlook.MessageBoxes(), ElementsAre(Truly(IsFirstStartWelcome)));
    EXPECT_TRUE(outlook.ClosedWindows().empty());
    Exit();
    // The splash greets every later start without holding it, and goes by itself or at a click.
    StandIn later;
    later.Sim().OpenExplorer(later.Sim().Inbox());
    later.Pump();
    later.Connect();
    later.PumpFor(std::chrono::milliseconds(500));
    // The first session's user still looks at the screen too: either may have closed it.
    std::vector<std::wstring> closed = later.ClosedWindows();
    for (auto& title : outlook.ClosedWindows()) closed.push_back(std::move(title));
    EXPECT_THAT(closed, Contains(StartsWith(L"Orvik' Tarn Add-in for MS Outlook - ")));
}

TEST_F(Startup, BuildsBothToolbarsWithFacesAndTellsOutlookItsObject) {
    Connect();
    const auto general = Bar(explorer, u"Tarn-General");
    const auto tools = Bar(explorer, u"Tarn-Tools");
    ASSERT_NE(general, nullptr);
    ASSERT_NE(tools, nullptr);
    EXPECT_THAT(Tags(general),
                ElementsAre("btnAbout", "btnSettings", "btnGreenFace", "btnRedFace", "btnAllowSub", "btnBanSub", "btnInfo"));
    EXPECT_THAT(Tags(tools), ElementsAre("btnProCur", "btnDoCurFold", "btnCurrentReport", "btnQuarantine"));
    EXPECT_TRUE(general->State().visible);
    // The faces crossed COM as pictures: Office got a face and a mask of the same size.
    const auto& about = Button(explorer, u"btnAbout")->State();
    ASSERT_TRUE(about.picture.has_value());
    ASSERT_TRUE(about.mask.has_value());
    EXPECT_GT(about.picture->width, 0);
    EXPECT_EQ(about.picture->width, about.mask->width);
    EXPECT_EQ(about.caption, u"Orvik' Tarn");
    // The add-in key lists what was built; the COM add-in entry holds the add-in's object.
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, OutlookAddInKey, L"CmdBars"), L"Tarn-General\\Tarn-Tools\\");
    EXPECT_NE(outlook.Entry()->Object(), nullptr);
}

// Outlook started by another program through automation loads its add-ins before any main
// window: mail is screened from the start, and the toolbars and the first start's welcome and
// scans come with the first window the user opens.
TEST_F(Startup, WithoutAMainWindowTheToolbarsAndTheWelcomeComeWithTheFirstOne) {
    outlook.Sim().Close(explorer);
    outlook.Pump();
    Connect();
    EXPECT_TRUE(outlook.MessageBoxes().empty());
    const auto spam = Arrive(Mail("offers@spam.example", "Cheap watches"));
    EXPECT_EQ(spam->Location(), outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine"));

    const auto window = outlook.Sim().OpenExplorer(outlook.Sim().Inbox());
    outlook.Pump();
    EXPECT_NE(Bar(window, u"Tarn-General"), nullptr);
    EXPECT_NE(Bar(window, u"Tarn-Tools"), nullptr);
    EXPECT_THAT(outlook.MessageBoxes(), ElementsAre(Truly(IsFirstStartWelcome)));
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, OutlookAddInKey, L"CmdBars"), L"Tarn-General\\Tarn-Tools\\");
}

TEST_F(Startup, TheClassNamesTheInstalledLibraryByAPathWithoutSpaces) {
    // Some Outlook versions cut the server's path at its first space.
    const std::wstring server = ReadRegistryString(HKEY_CURRENT_USER, std::wstring(AddInClassKey) + L"\\InprocServer32");
    EXPECT_EQ(server.find(L' '), std::wstring::npos) << platform::Narrow(std::u16string(server.begin(), server.end()));
    wchar_t long_path[MAX_PATH];
    ASSERT_NE(GetLongPathNameW(server.c_str(), long_path, MAX_PATH), 0u);
    EXPECT_TRUE(std::filesystem::equivalent(long_path, installation->LibraryPath()));
}

using NewMail = Installed;

TEST_F(NewMail, SpamGoesToTheQuarantineAndHamStaysAsTheListsSay) {
    Connect();
    const auto spam = Arrive(Mail("offers@spam.example", "Cheap watches"));
    const auto ham = Arrive(Mail("friend@example.com", "Lunch on Friday"));
    const auto quarantine = outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine");
    ASSERT_NE(quarantine, nullptr);
    EXPECT_EQ(spam->Location(), quarantine);
    EXPECT_EQ(ham->Location(), outlook.Sim().Inbox());
}

// Most HTML newsletters and spam have bodies and header blocks larger than a store returns in
// one piece: they are screened on their words all the same, read as streams.
TEST_F(NewMail, ALargeBodyAndALargeHeaderBlockAreScreenedOnTheirWords) {
    std::ofstream(installation->Folder() / "forbidden.tarn", std::ios::binary) << "--++forbidden++--\r\nlottery\r\n";
    Connect();
    auto in_body = Mail("news@letters.example", "Weekly news");
    in_body[tag::BodyHtml] = "<html><body><p>You won the lottery</p>" + std::string(40 * 1024, ' ') + "</body></html>";
    auto in_headers = Mail("news@letters.example", "Weekly news");
    in_headers[tag::TransportMessageHeaders] =
        "Content-Type: text/html\r\nX-Filler: " + std::string(20 * 1024, 'f') + "\r\nX-Campaign: lottery\r\n";
    const auto quarantine = [&] { return outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine"); };
    EXPECT_EQ(Arrive(in_body)->Location(), quarantine());
    EXPECT_EQ(Arrive(in_headers)->Location(), quarantine());
    EXPECT_EQ(Arrive(Mail("news@letters.example", "Weekly news"))->Location(), outlook.Sim().Inbox());
}

TEST_F(NewMail, AnOutlookCallThatFailsInsideTheEventStaysInsideTheAddIn) {
    Connect();
    outlook.Sim().Faults().Refuse("Item.MAPIOBJECT", 1);
    const auto unread = Arrive(Mail("offers@spam.example", "First"));
    const auto screened = Arrive(Mail("offers@spam.example", "Second"));
    // The first could not be read and stays; the hook still works for the next one.
    EXPECT_EQ(unread->Location(), outlook.Sim().Inbox());
    EXPECT_NE(screened->Location(), outlook.Sim().Inbox());
}

using Clicks = Installed;

TEST_F(Clicks, TheSameButtonInTwoWindowsRunsItsCommandOncePerClick) {
    Connect();
    // A second main window whose Tools bar Office copied from the first: the same button, tag
    // and instance mark, and no listener of its own. Office raises the click on every
    // listened control with the tag.
    const auto second = outlook.Sim().OpenExplorer(outlook.Sim().Inbox());
    outlook.Pump();
    const auto original = Button(explorer, u"btnCurrentReport");
    ASSERT_NE(original, nullptr);
    const auto copy = second->Bars()->Add(u"Tarn-Tools", host::BarPosition::Top, true)->Controls()->Add(
        host::ControlType::Button, std::nullopt, true);
    copy->SetTag(original->Tag());
    copy->SetParameter(original->Parameter());
    copy->SetCaption(original->Caption());

    // The report button makes a report of the spam caught since the last one, and opens it.
    Arrive(Mail("offers@spam.example", "Cheap watches"));
    outlook.Sim().Click(copy);
    outlook.Pump();
    const auto pages = installation->Machine().WaitForOpenedPages(1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_THAT(platform::Narrow(std::u16string(pages[0].begin(), pages[0].end())), HasSubstr("FLUSH.htm"));
    Arrive(Mail("offers@spam.example", "Cheap watches again"));
    outlook.Sim().Click(original);
    outlook.Pump();
    EXPECT_EQ(installation->Machine().WaitForOpenedPages(2).size(), 2u);
}

using Windows = Installed;

TEST_F(Windows, TheSelectionEnablesAndDisablesTheSelectionButtons) {
    Connect();
    const auto enabled = [this] {
        std::vector<bool> states;
        for (const char16_t* tag : {u"btnGreenFace", u"btnRedFace", u"btnAllowSub", u"btnBanSub"}) {
            const auto button = Button(explorer, tag);
            states.push_back(button != nullptr && button->Enabled());
        }
        return states;
    };
    const auto contact = outlook.Sim().AddItem(outlook.Sim().DefaultFolder(host::DefaultFolder::Contacts), {},
                                               host::item_class::Contact);
    outlook.Sim().Select(explorer, {contact});
    outlook.Pump();
    EXPECT_THAT(enabled(), ElementsAre(false, false, false, false));
    outlook.Sim().Select(explorer, {Arrive(Mail("friend@example.com", "Minutes"))});
    outlook.Pump();
    EXPECT_THAT(enabled(), ElementsAre(true, true, true, true));
}

TEST_F(Windows, ANewMessageWindowGetsItsToolbar) {
    Connect();
    const auto inspector = outlook.Sim().OpenInspector(Arrive(Mail("friend@example.com", "Open me")));
    outlook.Pump();
    std::shared_ptr<SimCommandBar> bar;
    for (const auto& candidate : inspector->Bars()->Elements()) {
        if (candidate->State().name == u"OrvikSelector") bar = candidate;
    }
    ASSERT_NE(bar, nullptr);
    EXPECT_THAT(Tags(bar), ElementsAre("btnAbout", "OrvikPlus", "OrvikMinus", "btnGreenFace", "btnRedFace"));
}

using Commands = Installed;

TEST_F(Commands, AnalysingAFolderMovesItsSpamAndOpensTheFolderReport) {
    Connect();
    const auto sent = outlook.Sim().DefaultFolder(host::DefaultFolder::SentMail);
    const auto spam = outlook.Sim().AddItem(sent, Mail("offers@spam.example", "Cheap watches"));
    const auto kept = outlook.Sim().AddItem(sent, Mail("friend@example.com", "Minutes"));
    outlook.Sim().SetCurrentFolder(explorer, sent);
    outlook.Pump();
    outlook.Sim().Click(Button(explorer, u"btnDoCurFold"));
    outlook.Pump();
    EXPECT_EQ(spam->Location(), outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine"));
    EXPECT_EQ(kept->Location(), sent);
    EXPECT_THAT(installation->ReadFile("temp.htm"), HasSubstr("Cheap watches"));
    const auto pages = installation->Machine().WaitForOpenedPages(1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_THAT(platform::Narrow(std::u16string(pages[0].begin(), pages[0].end())), HasSubstr("temp.htm"));
}

// What the user does while a long command pumps Outlook's messages, played by a thread timer of
// the test's own that the add-in's pump dispatches: mail arrives, and the user clicks again.
struct WhileBusy {
    StandIn* outlook = nullptr;
    host::CommandBarControlPtr click;
    std::vector<std::shared_ptr<host::sim::SimItem>> arrived;
    int ticks = 0;
};
WhileBusy* while_busy = nullptr;

void CALLBACK WhileBusyTick(HWND, UINT, UINT_PTR, DWORD) {
    WhileBusy& busy = *while_busy;
    ++busy.ticks;
    if (busy.ticks == 3) busy.outlook->Sim().Click(busy.click);
    if (busy.arrived.size() < 6) {
        const bool spam = busy.arrived.size() % 2 == 0;
        busy.arrived.push_back(busy.outlook->Sim().AddItem(
            busy.outlook->Sim().Inbox(), Mail(spam ? "late@spam.example" : "friend@example.com", "arrived")));
    }
}

TEST_F(Commands, MailAndASecondClickDuringAnAnalysisOfAThousandMessagesCostNoMessageAndNoSecondCommand) {
    std::vector<std::shared_ptr<host::sim::SimItem>> kept;
    for (int n = 0; n < 1000; ++n) {
        kept.push_back(outlook.Sim().AddItem(outlook.Sim().Inbox(),
                                             Mail(n % 3 == 0 ? "offers@spam.example" : "friend@example.com",
                                                  "kept " + std::to_string(n))));
    }
    outlook.Pump();  // kept from before: the add-in does not listen yet
    Connect();
    WhileBusy busy{&outlook, Button(explorer, u"btnDoCurFold"), {}, 0};
    while_busy = &busy;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &WhileBusyTick);
    outlook.Sim().Click(Button(explorer, u"btnDoCurFold"));
    outlook.Pump();
    KillTimer(nullptr, timer);
    while_busy = nullptr;
    outlook.Pump();
    ASSERT_GE(busy.ticks, 3) << "the analysis ended before the user could click again";

    expected_message_boxes.push_back(
        {L"Orvik' Tarn!", L"Orvik' Tarn! is still at work on the last command. Please try again when it has finished."});
    const auto quarantine = outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine");
    for (std::size_t n = 0; n < kept.size(); ++n) {
        EXPECT_EQ(kept[n]->Location(), n % 3 == 0 ? quarantine : outlook.Sim().Inbox()) << "kept message " << n;
    }
    for (std::size_t n = 0; n < busy.arrived.size(); ++n) {
        EXPECT_EQ(busy.arrived[n]->Location(), n % 2 == 0 ? quarantine : outlook.Sim().Inbox()) << "arrived message " << n;
    }
    EXPECT_EQ(outlook.Sim().Inbox()->Items()->Count() + quarantine->Items()->Count(),
              static_cast<long>(kept.size() + busy.arrived.size()));
}

// An Exchange mailbox in online mode opens only 250 items at once for a session: every command
// that goes through a thousand messages lets go of each before it takes the next.
TEST_F(Commands, AMailboxThatOpensOnly250ItemsAtOnceStillTakesEveryCommandOverAThousand) {
    std::vector<std::shared_ptr<host::sim::SimItem>> deals;
    std::vector<std::shared_ptr<host::sim::SimItem>> banned;
    std::vector<std::shared_ptr<host::sim::SimItem>> kept_from_before;
    for (int n = 0; n < 1000; ++n) {
        const auto sender = n % 3 == 0 ? "deals@shop.example" : n % 3 == 1 ? "Ann <ann@example.org>" : "offers@spam.example";
        const auto item = outlook.Sim().AddItem(outlook.Sim().Inbox(), Mail(sender, "message " + std::to_string(n)));
        (n % 3 == 0 ? deals : n % 3 == 2 ? banned : kept_from_before).push_back(item);
    }
    outlook.Pump();
    LimitOpenItems(250);
    Connect();
    const auto quarantine = outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine");

    outlook.Sim().Select(explorer, deals);
    outlook.Pump();
    outlook.Sim().Click(Button(explorer, u"btnRedFace"));
    outlook.Pump();
    EXPECT_EQ(OpenItemsNow(), 0) << "after marking the senders of a selection of " << deals.size();
    EXPECT_EQ(std::count_if(deals.begin(), deals.end(), [&](const auto& item) { return item->Location() == quarantine; }),
              static_cast<long>(deals.size()));

    outlook.Sim().Click(Button(explorer, u"btnDoCurFold"));
    outlook.Pump();
    EXPECT_EQ(OpenItemsNow(), 0) << "after the analysis of the Inbox";
    EXPECT_EQ(std::count_if(banned.begin(), banned.end(), [&](const auto& item) { return item->Location() == quarantine; }),
              static_cast<long>(banned.size()));
    EXPECT_EQ(installation->Machine().WaitForOpenedPages(1).size(), 1u);

    outlook.Sim().Click(Button(explorer, u"btnProCur"));
    outlook.Pump();
    EXPECT_EQ(OpenItemsNow(), 0) << "after protecting the Inbox";
    for (const auto& item : kept_from_before) EXPECT_EQ(item->Location(), outlook.Sim().Inbox());
    Exit();
    EXPECT_EQ(installation->ReadFile("OKsenders.tarn"),
              "--++protected senders++--\r\nann@example.org\r\nfriend@example.com\r\n");
    EXPECT_EQ(installation->ReadFile("BanSenders.tarn"), "--++BANNED SENDERS++--\r\ndeals@shop.example\r\nspam.example\r\n");
}

// A colleague inside the organization's Exchange is protected by the SMTP address the store
// keeps beside the directory address; the directory address never reaches the list.
TEST_F(Commands, AnExchangeColleagueIsProtectedByTheSmtpAddress) {
    Connect();
    auto from_colleague = Mail("/o=Northwind/ou=Exchange Administrative Group (FYDIBOHF23SPDLT)/cn=Recipients/cn=maria",
                               "Budget");
    from_colleague[tag::SenderAddressType] = "EX";
    from_colleague[tag::SenderSmtpAddress] = "maria@northwind.example";
    const auto message = Arrive(from_colleague);
    outlook.Sim().Select(explorer, {message});
    outlook.Pump();
    outlook.Sim().Click(Button(explorer, u"btnGreenFace"));
    outlook.Pump();
    const std::string friends = installation->ReadFile("OKsenders.tarn");
    EXPECT_THAT(friends, HasSubstr("\r\nmaria@northwind.example\r\n"));
    EXPECT_THAT(friends, Not(HasSubstr("/o=")));
}

TEST_F(Commands, AFoeIsBannedAndItsMessagesLeaveTheShownFolder) {
    Connect();
    const auto selected = Arrive(Mail("news@shop.example", "Weekly deals"));
    const auto other = Arrive(Mail("news@shop.example", "More deals"));
    outlook.Sim().Select(explorer, {selected});
    outlook.Pump();
    outlook.Sim().Click(Button(explorer, u"btnRedFace"));
    outlook.Pump();
    const auto quarantine = outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine");
    EXPECT_EQ(selected->Location(), quarantine);
    EXPECT_EQ(other->Location(), quarantine);
    EXPECT_EQ(installation->ReadFile("BanSenders.tarn"), "--++BANNED SENDERS++--\r\nnews@shop.example\r\nspam.example\r\n");
}

TEST_F(Commands, ProtectingAFolderMakesFriendsOfItsSenders) {
    Connect();
    Arrive(Mail("Ann <ann@example.org>", "Lunch"));
    outlook.Sim().Click(Button(explorer, u"btnProCur"));
    outlook.Pump();
    Exit();
    EXPECT_EQ(installation->ReadFile("OKsenders.tarn"),
              "--++protected senders++--\r\nann@example.org\r\nfriend@example.com\r\n");
}

TEST_F(Commands, TheFirstStartMakesFriendsOfTheContactsAndTheSentMail) {
    outlook.Sim().AddItem(outlook.Sim().DefaultFolder(host::DefaultFolder::Contacts),
                          outlook.Sim().ContactProperties({"carol@example.org"}), host::item_class::Contact);
    host::sim::ItemContent sent;
    sent.recipients.push_back({u"Dave", u"Dave@Example.org"});
    outlook.Sim().AddMail(outlook.Sim().DefaultFolder(host::DefaultFolder::SentMail), sent);
    outlook.Pump();
    Connect();
    EXPECT_THAT(installation->ReadFile("OKsenders.tarn"), HasSubstr("carol@example.org\r\n"));
    Exit();
    EXPECT_EQ(installation->ReadFile("OKsenders.tarn"),
              "--++protected senders++--\r\ncarol@example.org\r\ndave@example.org\r\nfriend@example.com\r\n");
}

// The dialog shows on the screen: the user closes it at once, and the lists are read again from
// their files, which the user changed by hand meanwhile.
TEST_F(Commands, AllowOrBanReadsTheListsAgainFromTheMainWindowAndFromAMessageWindow) {
    Connect();
    const auto write_forbidden = [&](const std::string& content) {
        std::ofstream(installation->Folder() / "forbidden.tarn", std::ios::binary) << content;
    };
    const auto quarantine = [&] { return outlook.Sim().Inbox()->Subfolders().Find(u"Quarantine"); };
    const auto offer = Arrive(Mail("shop@example.net", "Lucky draw"));
    outlook.Sim().Select(explorer, {offer});
    outlook.Pump();
    write_forbidden("--++forbidden++--\r\nlottery\r\n");
    outlook.Sim().Click(Button(explorer, u"btnBanSub"));
    outlook.Pump();
    EXPECT_EQ(Arrive(Mail("someone@example.net", "Your lottery prize"))->Location(), quarantine());

    // The message window edits with Word, whose application-wide selection is another window's:
    // the entry takes this message's own selection.
    const auto message = outlook.Sim().OpenInspector(
        offer, {.caption = u"Lucky draw - Message", .word_selection = u"draw", .application_selection = u"quarterly figures"});
    outlook.Pump();
    write_forbidden("--++forbidden++--\r\nlottery\r\nraffle\r\n");
    std::wstring entry;
    outlook.User().WhenShown(L"Orvik' Tarn - Allow or Ban Current Item Selection", [&entry](HWND dialog) {
        entry = test_support::WindowTextOf(GetDlgItem(dialog, IDC_EAE));
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    outlook.Sim().Click(message->Bars()->FindControl(host::ControlType::Button, u"OrvikMinus"));
    outlook.Pump();
    EXPECT_EQ(entry, L"draw");
    EXPECT_EQ(Arrive(Mail("someone@example.net", "Raffle tickets"))->Location(), quarantine());
    EXPECT_THAT(outlook.ClosedWindows(), Contains(L"Orvik' Tarn - Allow or Ban Current Item Selection").Times(1));
}

// The options dialog on the screen, closed at once: the lists are written first, so that the dialog edits
// them as they are, and the settings shown are taken back unchanged.
TEST_F(Commands, TheOptionsWriteTheListsAndKeepTheSettings) {
    Connect();
    EXPECT_FALSE(std::filesystem::exists(installation->Folder() / "protected.tarn"));
    outlook.Sim().Click(Button(explorer, u"btnSettings"));
    outlook.Pump();
    EXPECT_EQ(installation->ReadFile("protected.tarn"), "--++protect++--\r\n");
    EXPECT_EQ(installation->ReadFile("BanSenders.tarn"), BannedSenders.second);
    EXPECT_THAT(outlook.ClosedWindows(), Contains(L"Orvik' Tarn! for MS Outlook - Options"));
    Exit();
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, L"Software\\Orvik' Tarn4OL\\Settings", L"Alphabet Groups"),
              L"111111111111");
}

using Shutdown = Installed;

TEST_F(Shutdown, TodaysFastExitWritesTheSettingsTheListsAndTheReportAndOpensIt) {
    Connect();
    Arrive(Mail("offers@spam.example", "Cheap watches"));
    Exit();
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::wstring(SettingsKey) + L"\\Settings"));
    EXPECT_EQ(installation->ReadFile("BanSenders.tarn"), BannedSenders.second);
    EXPECT_EQ(installation->ReadFile("OKsenders.tarn"), FriendSenders.second);
    // The subject was read through the item's MAPI object.
    EXPECT_THAT(installation->ReadFile("FLUSH.htm"), HasSubstr("Cheap watches"));
    EXPECT_EQ(installation->Machine().WaitForOpenedPages(1).size(), 1u);
}

// Last: the add-in is removed while the stand-in runs, and registered again for any run after.
class Removal : public Installed {};

TEST_F(Removal, UnregisteringWithOutlookRunningRemovesTheBarsTheControlsAndEveryKey) {
    Connect();
    outlook.Sim().OpenInspector(Arrive(Mail("friend@example.com", "Open me")));
    outlook.Pump();
    ASSERT_NE(Bar(explorer, u"Tarn-General"), nullptr);
    // The removal works on the active window's bars: the main window's.
    outlook.Sim().Activate(explorer);
    outlook.RegisterAsRunning();
    EXPECT_EQ(installation->Unregister(), 0u);
    outlook.RevokeRunning();
    EXPECT_EQ(Bar(explorer, u"Tarn-General"), nullptr);
    EXPECT_EQ(Bar(explorer, u"Tarn-Tools"), nullptr);
    EXPECT_EQ(explorer->Bars()->FindControl(host::ControlType::Button, u"btnAbout"), nullptr);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, OutlookAddInKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AddInClassKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AddInProgIdKey));
    BSTR path = nullptr;
    EXPECT_TRUE(FAILED(QueryPathOfRegTypeLib(win::LIBID_Tarn4OL, win::TypeLibraryMajor, win::TypeLibraryMinor, 0x0409, &path)));
    SysFreeString(path);
    Exit();
    EXPECT_EQ(installation->Register(), 0u);
}

}  // namespace
}  // namespace tarn::outlook
