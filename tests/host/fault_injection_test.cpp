#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "host/host_error.h"
#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

// Expects the call to be refused by the test host as the member given.
void ExpectRefused(const std::function<void()>& call, const std::string& member) {
    try {
        call();
        ADD_FAILURE() << member << " was not refused";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Member(), member);
        EXPECT_NE(std::string(error.what()).find("refused by the test host"), std::string::npos) << error.what();
    }
}

class FaultInjection : public SimFixture {
protected:
    std::shared_ptr<SimItem> item = Mail("a");
    std::shared_ptr<SimFolder> quarantine = outlook.AddFolder(outlook.Inbox(), u"Quarantine");
};

TEST_F(FaultInjection, AnObjectRefusesExactlyNCallsThenAllowsThem) {
    outlook.PumpEvents();
    const auto other = Mail("b");
    item->Faults().Refuse("Move", 2);
    for (int attempt = 0; attempt < 2; ++attempt) ExpectRefused([&] { item->Move(*quarantine); }, "Item.Move");
    EXPECT_EQ(item->Location(), outlook.Inbox());  // a refused move does nothing
    EXPECT_EQ(outlook.PumpEvents(), 1);            // b's own arrival only

    other->Move(*quarantine);  // other items are not affected
    item->Move(*quarantine);
    EXPECT_EQ(Subjects(quarantine), (Strings{"b", "a"}));
    EXPECT_EQ(outlook.Calls("Item.Move"), 4);
}

TEST_F(FaultInjection, ARefusalWithoutCountLastsUntilAllowed) {
    item->Faults().Refuse("Class");
    for (int attempt = 0; attempt < 3; ++attempt) ExpectRefused([&] { item->Class(); }, "Item.Class");
    item->Faults().Allow("Class");
    EXPECT_EQ(item->Class(), item_class::Mail);
}

TEST_F(FaultInjection, HostWideRefusalsApplyToEveryObjectOfTheKind) {
    Mail("b", outlook.DeletedItems());
    outlook.Faults().Refuse("Items.Item", 1);
    ExpectRefused([&] { outlook.DeletedItems()->Items()->Item(1); }, "Items.Item");
    EXPECT_NO_THROW(outlook.Inbox()->Items()->Item(1));

    outlook.Faults().Refuse("Item.Delete");
    ExpectRefused([&] { item->Delete(); }, "Item.Delete");
    ExpectRefused([&] { outlook.DeletedItems()->Items()->Item(1)->Delete(); }, "Item.Delete");
    outlook.Faults().AllowAll();
    item->Delete();
    EXPECT_EQ(item->Location(), outlook.DeletedItems());
}

TEST_F(FaultInjection, TheObjectPlanIsAskedFirstAndBothCountDownSeparately) {
    item->Faults().Refuse("Move", 1);
    outlook.Faults().Refuse("Item.Move", 1);
    ExpectRefused([&] { item->Move(*quarantine); }, "Item.Move");
    ExpectRefused([&] { item->Move(*quarantine); }, "Item.Move");
    EXPECT_NO_THROW(item->Move(*quarantine));
}

TEST_F(FaultInjection, ObjectsReachedThroughInterfacesCanBeRefusedOneByOne) {
    const auto first = outlook.OpenExplorer(outlook.Inbox());
    const auto second = outlook.OpenExplorer(outlook.Inbox());
    FaultsOf(*first->CommandBars()).Refuse("Add");
    ExpectRefused([&] { first->CommandBars()->Add(u"Tarn", BarPosition::Top, true); }, "CommandBars.Add");
    EXPECT_NO_THROW(second->CommandBars()->Add(u"Tarn", BarPosition::Top, true));
}

TEST_F(FaultInjection, MisspeltMembersAreRejected) {
    EXPECT_THROW(outlook.Faults().Refuse("Item.Mvoe"), std::invalid_argument);
    EXPECT_THROW(outlook.Faults().Refuse("Move"), std::invalid_argument);     // needs its kind here
    EXPECT_THROW(item->Faults().Refuse("Item.Move"), std::invalid_argument);  // and none here
    EXPECT_THROW(item->Faults().Refuse("Count", 1), std::invalid_argument);   // not an Item member
    EXPECT_THROW(outlook.Calls("Items.GetFirst"), std::invalid_argument);
}

// One object of every kind, reached the way the add-in reaches it.
struct World {
    SimOutlook outlook;
    std::shared_ptr<SimFolder> inbox = outlook.Inbox();
    std::shared_ptr<SimFolder> quarantine = outlook.AddFolder(inbox, u"Quarantine");
    std::shared_ptr<SimItem> item = outlook.AddItem(inbox, {});
    std::shared_ptr<host::Application> app = outlook.Application();
    std::shared_ptr<SimExplorer> explorer = outlook.OpenExplorer(inbox);
    std::shared_ptr<SimInspector> inspector = outlook.OpenInspector(item, {.word_mail = true, .html_selection = u""});
    std::shared_ptr<SimCommandBars> bars = explorer->Bars();
    std::shared_ptr<SimCommandBar> bar = bars->Elements()[1];
    std::shared_ptr<SimCommandBarControl> button = bar->Contents().Elements()[0];
    std::shared_ptr<SimCommandBarControl> popup = bars->Elements()[0]->Contents().Elements()[0];
    std::shared_ptr<SimCommandBarControl> edit = bar->Contents().Create(ControlType::Edit, std::nullopt, true);
    std::shared_ptr<SimPane> pane = explorer->PaneList().Elements()[0];
    std::shared_ptr<OutlookBarPane> outlook_bar = pane->QueryOutlookBarPane();
    std::shared_ptr<OutlookBarGroup> group = outlook_bar->Groups()->Item(1);
    std::shared_ptr<OutlookBarShortcut> shortcut = group->Shortcuts()->Item(1);

    World() {
        outlook.Select(explorer, {item});
        outlook.AddComAddIn(u"Tarn4OL.Connect");
    }
};

struct MemberCall {
    const char* member;
    std::function<void(World&)> call;
};

// Every member of every interface, each called once refused and once allowed.
const MemberCall kMemberCalls[] = {
    {"Application.GetNamespace", [](World& w) { w.app->GetNamespace(u"MAPI"); }},
    {"Application.Session", [](World& w) { w.app->Session(); }},
    {"Application.ActiveExplorer", [](World& w) { w.app->ActiveExplorer(); }},
    {"Application.ActiveInspector", [](World& w) { w.app->ActiveInspector(); }},
    {"Application.ActiveWindow", [](World& w) { w.app->ActiveWindow(); }},
    {"Application.Explorers", [](World& w) { w.app->Explorers(); }},
    {"Application.Inspectors", [](World& w) { w.app->Inspectors(); }},
    {"Application.COMAddIns", [](World& w) { w.app->COMAddIns(); }},
    {"Namespace.GetDefaultFolder", [](World& w) { w.app->Session()->GetDefaultFolder(DefaultFolder::Inbox); }},
    {"Folder.Name", [](World& w) { w.inbox->Name(); }},
    {"Folder.Items", [](World& w) { w.inbox->Items(); }},
    {"Folder.Folders", [](World& w) { w.inbox->Folders(); }},
    {"Folder.DefaultItemType", [](World& w) { w.inbox->DefaultItemType(); }},
    {"Folders.Count", [](World& w) { w.inbox->Subfolders().Count(); }},
    {"Folders.Item", [](World& w) { w.inbox->Subfolders().Item(1); }},
    {"Folders.Item", [](World& w) { w.inbox->Subfolders().Item(u"quarantine"); }},
    {"Folders.Add", [](World& w) { w.inbox->Subfolders().Add(u"New", 6); }},
    {"Items.Count", [](World& w) { w.inbox->StoredItems().Count(); }},
    {"Items.Item", [](World& w) { w.inbox->StoredItems().Item(1); }},
    {"Items.OnItemAdd", [](World& w) { w.inbox->StoredItems().OnItemAdd([](const ItemPtr&) {}); }},
    {"Item.Class", [](World& w) { w.item->Class(); }},
    {"Item.MAPIOBJECT", [](World& w) { w.item->MAPIOBJECT(); }},
    {"Item.Move", [](World& w) { w.item->Move(*w.quarantine); }},
    {"Item.Delete", [](World& w) { w.item->Delete(); }},
    {"Explorer.CommandBars", [](World& w) { w.explorer->CommandBars(); }},
    {"Explorer.CurrentFolder", [](World& w) { w.explorer->CurrentFolder(); }},
    {"Explorer.Selection", [](World& w) { w.explorer->Selection(); }},
    {"Explorer.Panes", [](World& w) { w.explorer->Panes(); }},
    {"Explorer.OnSelectionChange", [](World& w) { w.explorer->OnSelectionChange([] {}); }},
    {"Explorer.OnClose", [](World& w) { w.explorer->OnClose([] {}); }},
    {"Explorers.Count", [](World& w) { w.app->Explorers()->Count(); }},
    {"Explorers.Item", [](World& w) { w.app->Explorers()->Item(1); }},
    {"Explorers.OnNewExplorer", [](World& w) { w.app->Explorers()->OnNewExplorer([](const ExplorerPtr&) {}); }},
    {"Selection.Count", [](World& w) { w.explorer->Selection()->Count(); }},
    {"Selection.Item", [](World& w) { w.explorer->Selection()->Item(1); }},
    {"Inspector.CommandBars", [](World& w) { w.inspector->CommandBars(); }},
    {"Inspector.CurrentItem", [](World& w) { w.inspector->CurrentItem(); }},
    {"Inspector.Caption", [](World& w) { w.inspector->Caption(); }},
    {"Inspector.IsWordMail", [](World& w) { w.inspector->IsWordMail(); }},
    {"Inspector.WordSelectionText", [](World& w) { w.inspector->WordSelectionText(); }},
    {"Inspector.HtmlSelectionText", [](World& w) { w.inspector->HtmlSelectionText(); }},
    {"Inspectors.Count", [](World& w) { w.app->Inspectors()->Count(); }},
    {"Inspectors.OnNewInspector", [](World& w) { w.app->Inspectors()->OnNewInspector([](const InspectorPtr&) {}); }},
    {"CommandBars.Count", [](World& w) { w.bars->Count(); }},
    {"CommandBars.Item", [](World& w) { w.bars->Item(1); }},
    {"CommandBars.Add", [](World& w) { w.bars->Add(u"Tarn", BarPosition::Top, true); }},
    {"CommandBars.FindControl", [](World& w) { w.bars->FindControl(ControlType::Button, u"x"); }},
    {"CommandBar.Name", [](World& w) { w.bar->Name(); }},
    {"CommandBar.NameLocal", [](World& w) { w.bar->NameLocal(); }},
    {"CommandBar.SetNameLocal", [](World& w) { w.bar->SetNameLocal(u"Standard"); }},
    {"CommandBar.Position", [](World& w) { w.bar->Position(); }},
    {"CommandBar.Visible", [](World& w) { w.bar->Visible(); }},
    {"CommandBar.SetVisible", [](World& w) { w.bar->SetVisible(true); }},
    {"CommandBar.Enabled", [](World& w) { w.bar->Enabled(); }},
    {"CommandBar.SetEnabled", [](World& w) { w.bar->SetEnabled(true); }},
    {"CommandBar.Controls", [](World& w) { w.bar->Controls(); }},
    {"CommandBar.Delete", [](World& w) { w.bar->Delete(); }},
    {"CommandBarControls.Count", [](World& w) { w.bar->Contents().Count(); }},
    {"CommandBarControls.Item", [](World& w) { w.bar->Contents().Item(1); }},
    {"CommandBarControls.Add", [](World& w) { w.bar->Contents().Add(ControlType::Button, 1, true); }},
    {"CommandBarControl.Type", [](World& w) { w.button->Type(); }},
    {"CommandBarControl.Tag", [](World& w) { w.button->Tag(); }},
    {"CommandBarControl.SetTag", [](World& w) { w.button->SetTag(u"t"); }},
    {"CommandBarControl.Caption", [](World& w) { w.button->Caption(); }},
    {"CommandBarControl.SetCaption", [](World& w) { w.button->SetCaption(u"c"); }},
    {"CommandBarControl.TooltipText", [](World& w) { w.button->TooltipText(); }},
    {"CommandBarControl.SetTooltipText", [](World& w) { w.button->SetTooltipText(u"t"); }},
    {"CommandBarControl.Parameter", [](World& w) { w.button->Parameter(); }},
    {"CommandBarControl.SetParameter", [](World& w) { w.button->SetParameter(u"p"); }},
    {"CommandBarControl.Visible", [](World& w) { w.button->Visible(); }},
    {"CommandBarControl.SetVisible", [](World& w) { w.button->SetVisible(false); }},
    {"CommandBarControl.Enabled", [](World& w) { w.button->Enabled(); }},
    {"CommandBarControl.SetEnabled", [](World& w) { w.button->SetEnabled(false); }},
    {"CommandBarControl.Style", [](World& w) { w.button->Style(); }},
    {"CommandBarControl.SetStyle", [](World& w) { w.button->SetStyle(button_style::IconOnly); }},
    {"CommandBarControl.SetPicture", [](World& w) { w.button->SetPicture({1, 1, {0}}); }},
    {"CommandBarControl.SetMask", [](World& w) { w.button->SetMask({1, 1, {0}}); }},
    {"CommandBarControl.Controls", [](World& w) { w.popup->Controls(); }},
    {"CommandBarControl.Delete", [](World& w) { w.button->Delete(true); }},
    {"CommandBarControl.OnClick", [](World& w) { w.button->OnClick([](const CommandBarControlPtr&) {}); }},
    {"CommandBarControl.OnChange", [](World& w) { w.edit->OnChange([](const CommandBarControlPtr&) {}); }},
    {"Panes.Count", [](World& w) { w.explorer->PaneList().Count(); }},
    {"Panes.Item", [](World& w) { w.explorer->PaneList().Item(1); }},
    {"Pane.QueryOutlookBarPane", [](World& w) { w.pane->QueryOutlookBarPane(); }},
    {"OutlookBarPane.Groups", [](World& w) { w.outlook_bar->Groups(); }},
    {"OutlookBarGroups.Count", [](World& w) { w.outlook_bar->Groups()->Count(); }},
    {"OutlookBarGroups.Item", [](World& w) { w.outlook_bar->Groups()->Item(1); }},
    {"OutlookBarGroup.Name", [](World& w) { w.group->Name(); }},
    {"OutlookBarGroup.Shortcuts", [](World& w) { w.group->Shortcuts(); }},
    {"OutlookBarShortcuts.Count", [](World& w) { w.group->Shortcuts()->Count(); }},
    {"OutlookBarShortcuts.Item", [](World& w) { w.group->Shortcuts()->Item(1); }},
    {"OutlookBarShortcuts.Add", [](World& w) { w.group->Shortcuts()->Add(*w.quarantine, u"Quarantine"); }},
    {"OutlookBarShortcut.Name", [](World& w) { w.shortcut->Name(); }},
    {"ComAddIns.Count", [](World& w) { w.app->COMAddIns()->Count(); }},
    {"ComAddIns.Item", [](World& w) { w.app->COMAddIns()->Item(1); }},
    {"ComAddIn.ProgId", [](World& w) { w.app->COMAddIns()->Item(1)->ProgId(); }},
};

TEST(EveryMember, IsGuardedUnderItsOwnNameAndCounted) {
    for (const auto& [member, call] : kMemberCalls) {
        SCOPED_TRACE(member);
        World world;
        const long before = world.outlook.Calls(member);
        world.outlook.Faults().Refuse(member, 1);
        ExpectRefused([&] { call(world); }, member);
        EXPECT_NO_THROW(call(world));
        EXPECT_EQ(world.outlook.Calls(member), before + 2);
    }
}

}  // namespace
}  // namespace tarn::host::sim
