// The host interfaces over Outlook's automation objects, as the stand-in serves them: members
// by name, failures as HostError naming the member, events through connection points, and the
// MAPI reads of an item's MAPIOBJECT through MAPI32.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "host/com/com_objects.h"
#include "host/com/outlook_ids.h"
#include "host/host_error.h"
#include "host/sim/sim_outlook.h"
#include "platform/win32/mapi32_library.h"
#include "screening/mail_item_view.h"
#include "tests/outlook/outlook_server.h"
#include "tests/support/recorded_diagnostics.h"

namespace tarn::outlook {
namespace {

using ::testing::HasSubstr;
namespace tag = platform::prop_tag;

class ThroughCom : public ::testing::Test {
protected:
    host::FolderPtr Inbox() { return application->GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox); }

    host::sim::SimOutlook sim;
    test_support::RecordedDiagnostics diagnostics;
    host::com::ComSessionPtr session = std::make_shared<host::com::ComSession>(diagnostics);
    platform::ComPtr<ServedObject> served_application = ServeApplication(sim.Application());
    std::shared_ptr<host::com::ComApplication> application =
        std::make_shared<host::com::ComApplication>(session, platform::ComPtr<IDispatch>(served_application.Get()));
};

TEST_F(ThroughCom, ItemsAreReadThroughMapiAndMovedToAFolderMadeForThem) {
    sim.AddItem(sim.Inbox(), {{tag::Subject, "Quarterly figures"}, {tag::SenderEmailAddress, "ann@example.com"}});
    const auto quarantine = Inbox()->Folders()->Add(u"Quarantine", 6);
    const auto item = Inbox()->Items()->Item(1);
    EXPECT_EQ(item->Class(), host::item_class::Mail);
    platform::Mapi32Library mapi;
    const auto message = item->MAPIOBJECT()->QueryMessage();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(mapi.GetOneStringProp(*message, tag::Subject).text, "Quarterly figures");
    EXPECT_EQ(mapi.GetOneStringProp(*message, tag::Body).outcome, platform::StringPropRead::Outcome::Missing);
    item->Move(*quarantine);
    EXPECT_EQ(Inbox()->Items()->Count(), 0);
    EXPECT_EQ(Inbox()->Folders()->Item(u"quarantine")->Items()->Count(), 1);
}

TEST_F(ThroughCom, AFailedCallNamesTheMemberAndOutlooksReason) {
    try {
        Inbox()->Folders()->Item(u"No such folder");
        FAIL() << "a missing folder was found";
    } catch (const host::HostError& error) {
        EXPECT_EQ(error.Member(), "Folders.Item");
        EXPECT_THAT(error.what(), HasSubstr("no such folder"));
    }
    sim.Faults().Refuse("Items.Count");
    EXPECT_THROW(Inbox()->Items()->Count(), host::HostError);
}

TEST_F(ThroughCom, AFailingEventHandlerReachesNoCallerAndIsWrittenDown) {
    int heard = 0;
    auto subscription = Inbox()->Items()->OnItemAdd([&heard](const host::ItemPtr& item) {
        ++heard;
        item->Recipients()->Item(7);  // there is no seventh recipient
    });
    sim.AddItem(sim.Inbox(), {{tag::Subject, "one"}});
    sim.AddItem(sim.Inbox(), {{tag::Subject, "two"}});
    EXPECT_NO_THROW(sim.PumpEvents());
    EXPECT_EQ(heard, 2);
    ASSERT_EQ(diagnostics.Entries().size(), 2u);
    EXPECT_EQ(diagnostics.Entries()[0].place, "Items.ItemAdd");
    EXPECT_THAT(diagnostics.Entries()[0].failure, HasSubstr("Recipients.Item"));
}

TEST_F(ThroughCom, TheSinkAnswersOnlyItsOwnEventAndLeavesWhenTheSubscriptionEnds) {
    // The Inbox's Items as the add-in holds them, with the served object behind to see the sinks.
    const host::com::AutomationObject root(session, platform::ComPtr<IDispatch>(served_application.Get()), "Application");
    const auto mapi = root.GetObject(u"GetNamespace", {host::com::Variant::String(u"MAPI")});
    const auto inbox = host::com::AutomationObject(session, mapi, "Namespace")
                           .GetObject(u"GetDefaultFolder", {host::com::Variant::Long(6)});
    const auto items = host::com::AutomationObject(session, inbox, "Folder").GetObject(u"Items");
    auto* served = ServedObject::From(items.Get());
    ASSERT_NE(served, nullptr);
    int heard = 0;
    const auto adapter = host::com::Wrap<host::com::ComItems>(session, items);
    auto subscription = adapter->OnItemAdd([&heard](const host::ItemPtr&) { ++heard; });
    const auto sinks = served->Sinks(host::com::DIID_ItemsEvents);
    ASSERT_EQ(sinks.size(), 1u);
    IDispatch* sink = sinks[0].Get();

    UINT count = 7;
    EXPECT_EQ(sink->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    ITypeInfo* info = nullptr;
    EXPECT_EQ(sink->GetTypeInfo(0, 0, &info), E_NOTIMPL);
    LPOLESTR name = const_cast<LPOLESTR>(L"ItemAdd");
    DISPID id = 0;
    EXPECT_EQ(sink->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), DISP_E_UNKNOWNNAME);
    IUnknown* other = nullptr;
    EXPECT_EQ(sink->QueryInterface(host::com::DIID_ExplorersEvents, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    // Another event of the interface is accepted and ignored; ItemAdd without its item is
    // written down, not raised back.
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(sink->Invoke(0xF002, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(sink->Invoke(host::com::DISPID_ItemAdd, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(heard, 0);
    ASSERT_EQ(diagnostics.Entries().size(), 1u);
    EXPECT_THAT(diagnostics.Entries()[0].failure, HasSubstr("the event brought no item"));

    subscription.Reset();
    EXPECT_TRUE(served->Sinks(host::com::DIID_ItemsEvents).empty());
}

TEST_F(ThroughCom, AClickReachesEveryControlWithTheTagAndBringsTheControlUsed) {
    const auto first = sim.OpenExplorer(sim.Inbox());
    const auto second = sim.OpenExplorer(sim.Inbox());
    sim.PumpEvents();
    std::vector<std::u16string> heard;
    std::vector<host::Subscription> subscriptions;
    for (long index : {1L, 2L}) {
        const auto window = application->Explorers()->Item(index);
        const auto bar = window->CommandBars()->Add(u"Mine", host::BarPosition::Top, true);
        const auto button = bar->Controls()->Add(host::ControlType::Button, std::nullopt, true);
        button->SetTag(u"mine");
        button->SetCaption(index == 1 ? u"first" : u"second");
        subscriptions.push_back(button->OnClick([&heard](const host::CommandBarControlPtr& used) { heard.push_back(used->Caption()); }));
    }
    sim.Click(second->Bars()->FindControl(host::ControlType::Button, u"mine"));
    sim.PumpEvents();
    EXPECT_EQ(heard, (std::vector<std::u16string>{u"second", u"second"}));
}

// The stand-in's store hands out long strings only as a stream and named properties under
// identifiers of its own, as stores do; the add-in's MAPI reads follow through real MAPI32.
TEST_F(ThroughCom, LongPropertiesAndNamedPropertiesAreReadAsAStoreHandsThemOut) {
    const std::string body = "<html>" + std::string(40 * 1024, 'x') + " lottery</html>";
    sim.AddItem(sim.Inbox(), {{tag::BodyHtml, body}, {tag::Subject, "Newsletter"}});
    sim.AddItem(sim.DefaultFolder(host::DefaultFolder::Contacts), sim.ContactProperties({"ann@example.com"}),
                host::item_class::Contact);
    platform::Mapi32Library mapi;
    screening::MailItemView view(mapi);
    const auto item = Inbox()->Items()->Item(1);
    EXPECT_EQ(mapi.GetOneStringProp(*item->MAPIOBJECT()->QueryMessage(), tag::BodyHtml).outcome,
              platform::StringPropRead::Outcome::TooBig);
    EXPECT_EQ(view.ReadHtmlBody(*item), body);
    EXPECT_EQ(view.ReadSubject(*item), "Newsletter");
    const auto contact =
        application->GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Contacts)->Items()->Item(1);
    EXPECT_EQ(view.ReadContactAddress(*contact), u"ann@example.com");
}

// Office's three kinds of control answer one member name with different DISPIDs (a combo box's
// Style is a button's Picture): each control keeps the DISPIDs of its own kind, and events are
// advised only where Office serves them.
TEST_F(ThroughCom, EachKindOfControlHasItsOwnMembersAndOnlyButtonsAndComboBoxesRaiseEvents) {
    sim.OpenExplorer(sim.Inbox());
    sim.PumpEvents();
    const auto bar = application->ActiveExplorer()->CommandBars()->Add(u"Mine", host::BarPosition::Top, true);
    const auto combo = bar->Controls()->Add(host::ControlType::ComboBox, std::nullopt, true);
    const auto button = bar->Controls()->Add(host::ControlType::Button, std::nullopt, true);
    const auto popup = bar->Controls()->Add(host::ControlType::Popup, std::nullopt, true);
    combo->SetStyle(1);   // its Style, remembered under CommandBarComboBox
    button->SetStyle(3);  // a button's own Style, not its Picture
    EXPECT_EQ(combo->Style(), 1);
    EXPECT_EQ(button->Style(), 3);
    EXPECT_THROW(popup->Style(), host::HostError);  // a pop-up has none

    const auto no_handler = [](const host::CommandBarControlPtr&) {};
    EXPECT_NO_THROW(button->OnClick(no_handler));
    EXPECT_NO_THROW(combo->OnChange(no_handler));
    EXPECT_THROW(button->OnChange(no_handler), host::HostError);
    EXPECT_THROW(popup->OnClick(no_handler), host::HostError);
}

// Today's Outlook says Quit before it ends the process: the one event left to write at.
TEST_F(ThroughCom, QuitReachesTheApplicationsListener) {
    int quits = 0;
    const auto subscription = application->OnQuit([&quits] { ++quits; });
    sim.Quit();
    sim.PumpEvents();
    EXPECT_EQ(quits, 1);
}

}  // namespace
}  // namespace tarn::outlook
