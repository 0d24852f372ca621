#include <gtest/gtest.h>

#include "host/host_error.h"
#include "host/sim/sim_outlook.h"
#include "host/sim/sim_platform.h"
#include "quarantine/quarantine_folder.h"

namespace tarn::quarantine {
namespace {

class RecordedMessageBoxes final : public platform::MessageBoxes {
public:
    void Show(const std::u16string& text, const std::u16string&, platform::MessageBoxKind) override { texts.push_back(text); }
    std::vector<std::u16string> texts;
};

class QuarantineFolderTest : public ::testing::Test {
protected:
    host::sim::SimOutlook outlook;
    host::Application& application = *outlook.Application();
    store::Captions captions;
    RecordedMessageBoxes boxes;

    host::sim::SimOutlookBarGroup& FirstGroup(const std::shared_ptr<host::sim::SimExplorer>& explorer) {
        const auto bar = std::dynamic_pointer_cast<host::sim::SimOutlookBarPane>(
            explorer->PaneList().Elements().front()->QueryOutlookBarPane());
        return *bar->GroupList().Elements().front();
    }
};

TEST_F(QuarantineFolderTest, IsCreatedOnceUnderTheInboxAndFoundAfterwards) {
    const auto first = GetQuarantineFolder(application);
    const auto second = GetQuarantineFolder(application);
    EXPECT_EQ(first->Name(), u"Quarantine");
    EXPECT_EQ(first, second);
    EXPECT_EQ(outlook.Inbox()->Subfolders().Size(), 1);
    EXPECT_EQ(first->DefaultItemType(), host::item_type::Mail);
}

TEST_F(QuarantineFolderTest, AFolderNamedInAnotherCaseIsTheQuarantine) {
    const auto existing = outlook.AddFolder(outlook.Inbox(), u"QUARANTINE");
    EXPECT_EQ(GetQuarantineFolder(application), existing);
    EXPECT_EQ(outlook.Inbox()->Subfolders().Size(), 1);
}

TEST_F(QuarantineFolderTest, AFolderThatCannotBeFoundReachesTheCaller) {
    outlook.Faults().Refuse("Folders.Item");
    EXPECT_THROW(GetQuarantineFolder(application), host::HostError);
}

TEST_F(QuarantineFolderTest, TheShortcutIsAddedOnceWithAMessageSayingWhere) {
    const auto explorer = outlook.OpenExplorer(outlook.Inbox());
    EnsureQuarantineShortcut(application, captions, boxes);
    EnsureQuarantineShortcut(application, captions, boxes);
    auto& group = FirstGroup(explorer);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], u"Orvik' Tarn4OL Anti-Spam...\rQuarantine folder = Inbox\\Quarantine\r" + group.Name() +
                                  u" = \"Quarantine\"");
    const auto& shortcuts = group.ShortcutList().Elements();
    EXPECT_EQ(shortcuts.back()->Name(), u"Quarantine");
    EXPECT_EQ(shortcuts.back()->Target(), outlook.Inbox()->Subfolders().Find(u"Quarantine"));
    EXPECT_EQ(std::count_if(shortcuts.begin(), shortcuts.end(), [](const auto& s) { return s->Name() == u"Quarantine"; }), 1);
}

TEST_F(QuarantineFolderTest, AShortcutNamedInAnotherCaseDoesNotCount) {
    const auto explorer = outlook.OpenExplorer(outlook.Inbox());
    auto& group = FirstGroup(explorer);
    group.ShortcutList().Create(outlook.Inbox(), u"quarantine");
    EnsureQuarantineShortcut(application, captions, boxes);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(group.ShortcutList().Elements().back()->Name(), u"Quarantine");
}

TEST_F(QuarantineFolderTest, WithoutAnOutlookBarNothingIsAddedOrShown) {
    for (const auto layout : {host::sim::OutlookBarLayout::NoGroups, host::sim::OutlookBarLayout::NotOutlookBar,
                              host::sim::OutlookBarLayout::NoPanes}) {
        outlook.OpenExplorer(outlook.Inbox(), {layout, true});
        EXPECT_NO_THROW(EnsureQuarantineShortcut(application, captions, boxes));
    }
    host::sim::SimOutlook without_windows;
    EXPECT_NO_THROW(EnsureQuarantineShortcut(*without_windows.Application(), captions, boxes));
    EXPECT_TRUE(boxes.texts.empty());
}

}  // namespace
}  // namespace tarn::quarantine
