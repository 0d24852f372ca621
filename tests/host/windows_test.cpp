#include <gtest/gtest.h>

#include <array>

#include "host/host_error.h"
#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

using Windows = SimFixture;

TEST_F(Windows, OpeningAnExplorerAddsItAtOnceAndAnnouncesItWhenPumped) {
    const auto app = outlook.Application();
    EXPECT_EQ(app->ActiveExplorer(), nullptr);
    EXPECT_EQ(app->ActiveWindow(), nullptr);
    ExplorerPtr announced;
    const auto subscription =
        app->Explorers()->OnNewExplorer([&](const ExplorerPtr& explorer) { announced = explorer; });

    const auto explorer = outlook.OpenExplorer(outlook.Inbox());
    EXPECT_EQ(app->Explorers()->Count(), 1);
    EXPECT_EQ(app->Explorers()->Item(1), explorer);
    EXPECT_EQ(app->ActiveExplorer(), explorer);
    EXPECT_EQ(app->ActiveWindow(), explorer);
    EXPECT_EQ(announced, nullptr);
    EXPECT_EQ(outlook.PumpEvents(), 1);
    EXPECT_EQ(announced, explorer);

    EXPECT_EQ(explorer->CurrentFolder(), outlook.Inbox());
    outlook.SetCurrentFolder(explorer, outlook.DeletedItems());
    EXPECT_EQ(explorer->CurrentFolder(), outlook.DeletedItems());
}

// As Outlook keeps it: a folder switch selects the folder's first item and says so; a folder
// showing a home page selects nothing and says nothing; a conversation header is a selection
// of no item.
TEST_F(Windows, TheSelectionFollowsTheShownFolderAndMayHoldNoItem) {
    const auto explorer = outlook.OpenExplorer(outlook.Inbox());
    outlook.PumpEvents();
    int changes = 0;
    const auto subscription = explorer->OnSelectionChange([&] { ++changes; });
    const auto first = outlook.AddItem(outlook.DeletedItems(), {{platform::prop_tag::Subject, "first"}});
    outlook.AddItem(outlook.DeletedItems(), {{platform::prop_tag::Subject, "second"}});
    outlook.SetCurrentFolder(explorer, outlook.DeletedItems());
    outlook.PumpEvents();
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(explorer->Selection()->Count(), 1);
    EXPECT_EQ(explorer->Selection()->Item(1), first);

    const auto home = outlook.AddFolder(outlook.Inbox(), u"Projects");
    outlook.AddItem(home, {{platform::prop_tag::Subject, "hidden by the page"}});
    home->SetHomePage(true);
    outlook.SetCurrentFolder(explorer, home);
    outlook.PumpEvents();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(explorer->Selection()->Count(), 0);

    outlook.SetCurrentFolder(explorer, outlook.DeletedItems());
    outlook.SelectConversationHeader(explorer);
    outlook.PumpEvents();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(explorer->Selection()->Count(), 0);
    EXPECT_NE(outlook.Inbox()->EntryID(), outlook.DeletedItems()->EntryID());
    EXPECT_EQ(first->Parent(), outlook.DeletedItems());
}

TEST_F(Windows, TheActiveWindowIsTheOpenOneActivatedLast) {
    const auto app = outlook.Application();
    const auto first = outlook.OpenExplorer(outlook.Inbox());
    const auto second = outlook.OpenExplorer(outlook.Inbox());
    const auto inspector = outlook.OpenInspector(Mail("a"));
    EXPECT_EQ(app->ActiveWindow(), inspector);
    EXPECT_EQ(app->ActiveExplorer(), second);

    outlook.Activate(first);
    EXPECT_EQ(app->ActiveWindow(), first);
    EXPECT_EQ(app->ActiveInspector(), inspector);

    int closes = 0;
    const auto subscription = first->OnClose([&] { ++closes; });
    outlook.Close(first);
    EXPECT_EQ(app->Explorers()->Count(), 1);
    EXPECT_EQ(app->ActiveExplorer(), second);
    EXPECT_EQ(app->ActiveWindow(), inspector);
    EXPECT_EQ(closes, 0);
    outlook.PumpEvents();
    EXPECT_EQ(closes, 1);
    EXPECT_THROW(outlook.Activate(first), std::invalid_argument);

    outlook.Close(second);
    outlook.Close(inspector);
    EXPECT_EQ(app->ActiveExplorer(), nullptr);
    EXPECT_EQ(app->ActiveInspector(), nullptr);
    EXPECT_EQ(app->ActiveWindow(), nullptr);
    EXPECT_EQ(app->Inspectors()->Count(), 0);
}

TEST_F(Windows, TheSelectionListsItemsInSelectionOrderAndChangesAreAnnounced) {
    const auto explorer = outlook.OpenExplorer(outlook.Inbox());
    const auto a = Mail("a");
    const auto b = Mail("b");
    outlook.PumpEvents();
    int changes = 0;
    const auto subscription = explorer->OnSelectionChange([&] { ++changes; });
    const auto empty = explorer->Selection();
    EXPECT_EQ(empty->Count(), 0);
    EXPECT_THROW(empty->Item(1), HostError);

    outlook.Select(explorer, {b, a});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(outlook.PumpEvents(), 1);
    EXPECT_EQ(changes, 1);
    const auto selection = explorer->Selection();
    ASSERT_EQ(selection->Count(), 2);
    EXPECT_EQ(selection->Item(1), b);
    EXPECT_EQ(selection->Item(2), a);
    EXPECT_EQ(empty->Count(), 0);  // a Selection is a snapshot
}

TEST_F(Windows, InspectorsShowTheirItemAndEditorSelection) {
    const auto item = Mail("a");
    InspectorPtr announced;
    const auto subscription =
        outlook.Application()->Inspectors()->OnNewInspector([&](const InspectorPtr& opened) { announced = opened; });
    const auto word =
        outlook.OpenInspector(item, {.caption = u"a - Message", .word_mail = true, .word_selection = u"cheap"});
    const auto plain = outlook.OpenInspector(item, {.word_mail = false, .html_selection = u"pills"});
    const auto bare = outlook.OpenInspector(item, {.word_mail = false, .html_selection = std::nullopt});
    EXPECT_EQ(outlook.Application()->Inspectors()->Count(), 3);
    outlook.PumpEvents();
    EXPECT_EQ(announced, bare);

    EXPECT_EQ(word->CurrentItem(), item);
    EXPECT_EQ(word->Caption(), u"a - Message");
    EXPECT_TRUE(word->IsWordMail());
    EXPECT_EQ(word->WordSelectionText(), u"cheap");
    EXPECT_FALSE(plain->IsWordMail());
    EXPECT_EQ(plain->HtmlSelectionText(), u"pills");
    EXPECT_THROW(plain->WordSelectionText(), HostError);
    EXPECT_THROW(bare->HtmlSelectionText(), HostError);
}

TEST_F(Windows, TheFirstPaneIsTheOutlookBarWithShortcutGroups) {
    const auto pane = outlook.OpenExplorer(outlook.Inbox())->Panes()->Item(1);
    const auto groups = pane->QueryOutlookBarPane()->Groups();
    ASSERT_EQ(groups->Count(), 2);
    EXPECT_EQ(groups->Item(1)->Name(), u"Shortcuts");
    EXPECT_EQ(groups->Item(2)->Name(), u"My Shortcuts");
    const auto shortcuts = groups->Item(2)->Shortcuts();
    const long before = shortcuts->Count();
    EXPECT_GT(before, 0);
    EXPECT_EQ(shortcuts->Item(1)->Name(), u"Sent Items");

    const auto quarantine = outlook.AddFolder(outlook.Inbox(), u"Quarantine");
    const auto added = shortcuts->Add(*quarantine, u"Spam");
    EXPECT_EQ(shortcuts->Count(), before + 1);
    EXPECT_EQ(shortcuts->Item(before + 1), added);
    EXPECT_EQ(added->Name(), u"Spam");
    EXPECT_EQ(std::dynamic_pointer_cast<SimOutlookBarShortcut>(added)->Target(), quarantine);
}

TEST_F(Windows, OtherPaneLayoutsCanBeSetUp) {
    const auto no_groups = outlook.OpenExplorer(outlook.Inbox(), {.outlook_bar = OutlookBarLayout::NoGroups});
    EXPECT_EQ(no_groups->Panes()->Item(1)->QueryOutlookBarPane()->Groups()->Count(), 0);

    const auto other = outlook.OpenExplorer(outlook.Inbox(), {.outlook_bar = OutlookBarLayout::NotOutlookBar});
    EXPECT_EQ(other->Panes()->Item(1)->QueryOutlookBarPane(), nullptr);

    const auto none = outlook.OpenExplorer(outlook.Inbox(), {.outlook_bar = OutlookBarLayout::NoPanes});
    EXPECT_EQ(none->Panes()->Count(), 0);
    EXPECT_THROW(none->Panes()->Item(1), HostError);
}

TEST_F(Windows, TheComAddInListFollowsAdditionsAndRemovals) {
    const auto add_ins = outlook.Application()->COMAddIns();
    outlook.AddComAddIn(u"Other.Connect");
    outlook.AddComAddIn(u"Tarn4OL.Connect");
    ASSERT_EQ(add_ins->Count(), 2);
    EXPECT_EQ(add_ins->Item(2)->ProgId(), u"Tarn4OL.Connect");

    EXPECT_TRUE(outlook.RemoveComAddIn(u"Other.Connect"));
    EXPECT_FALSE(outlook.RemoveComAddIn(u"Other.Connect"));
    ASSERT_EQ(add_ins->Count(), 1);
    EXPECT_EQ(add_ins->Item(1)->ProgId(), u"Tarn4OL.Connect");
}

}  // namespace
}  // namespace tarn::host::sim
