#include <gtest/gtest.h>

#include <array>

#include "host/host_error.h"
#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

class Store : public SimFixture {
protected:
    Store() {
        for (const char* subject : {"a", "b", "c"}) Mail(subject);
        outlook.PumpEvents();
    }

    std::shared_ptr<SimFolder> quarantine = outlook.AddFolder(outlook.Inbox(), u"Quarantine");
};

TEST_F(Store, DefaultFoldersHaveOutlookNamesAndItemTypes) {
    const auto mapi = outlook.Application()->GetNamespace(u"MAPI");
    EXPECT_EQ(mapi, outlook.Application()->Session());
    EXPECT_EQ(mapi->GetDefaultFolder(DefaultFolder::Inbox), outlook.Inbox());
    EXPECT_EQ(mapi->GetDefaultFolder(DefaultFolder::DeletedItems)->Name(), u"Deleted Items");
    EXPECT_EQ(mapi->GetDefaultFolder(DefaultFolder::SentMail)->Name(), u"Sent Items");
    EXPECT_EQ(mapi->GetDefaultFolder(DefaultFolder::Drafts)->DefaultItemType(), item_type::Mail);
    EXPECT_EQ(mapi->GetDefaultFolder(DefaultFolder::Calendar)->DefaultItemType(), item_type::Appointment);
    EXPECT_EQ(mapi->GetDefaultFolder(DefaultFolder::Contacts)->DefaultItemType(), item_type::Contact);
    EXPECT_THROW(mapi->GetDefaultFolder(static_cast<DefaultFolder>(99)), HostError);
    EXPECT_THROW(outlook.Application()->GetNamespace(u"OTHER"), HostError);
}

TEST_F(Store, ItemIndicesAreOneBasedAndShiftDownWhenAnItemMovesOut) {
    const auto items = outlook.Inbox()->Items();
    items->Item(2)->Move(*quarantine);
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(SubjectOf(items->Item(1)), "a");
    EXPECT_EQ(SubjectOf(items->Item(2)), "c");
    EXPECT_THROW(items->Item(0), HostError);
    EXPECT_THROW(items->Item(3), HostError);
    EXPECT_EQ(Subjects(quarantine), Strings{"b"});
}

TEST_F(Store, MoveRaisesOneItemAddOnTheDestinationAndNoneElsewhere) {
    Strings inbox, moved_in, deleted;
    const auto subscriptions = std::array{RecordArrivals(outlook.Inbox(), inbox), RecordArrivals(quarantine, moved_in),
                                          RecordArrivals(outlook.DeletedItems(), deleted)};
    const auto item = outlook.Inbox()->StoredItems().Elements()[0];
    item->Move(*quarantine);
    EXPECT_TRUE(moved_in.empty());  // not inside the call

    EXPECT_EQ(outlook.PumpEvents(), 1);
    EXPECT_EQ(moved_in, Strings{"a"});
    EXPECT_TRUE(inbox.empty());
    EXPECT_TRUE(deleted.empty());
    EXPECT_EQ(item->Location(), quarantine);
}

TEST_F(Store, MoveIntoItsOwnFolderOnlyPutsTheItemLast) {
    Strings arrivals;
    const auto subscription = RecordArrivals(outlook.Inbox(), arrivals);
    outlook.Inbox()->Items()->Item(1)->Move(*outlook.Inbox());
    EXPECT_EQ(Subjects(outlook.Inbox()), (Strings{"b", "c", "a"}));
    EXPECT_EQ(outlook.PumpEvents(), 0);
    EXPECT_TRUE(arrivals.empty());
}

TEST_F(Store, EmptyingAFolderWithDeleteMovesEverythingToDeletedItemsInOrder) {
    Strings deleted;
    const auto subscription = RecordArrivals(outlook.DeletedItems(), deleted);
    const auto items = outlook.Inbox()->Items();
    while (items->Count() > 0) items->Item(1)->Delete();
    EXPECT_EQ(Subjects(outlook.DeletedItems()), (Strings{"a", "b", "c"}));
    EXPECT_EQ(outlook.PumpEvents(), 3);
    EXPECT_EQ(deleted, (Strings{"a", "b", "c"}));
}

TEST_F(Store, DeleteInDeletedItemsRemovesForGoodButTheObjectStaysReadable) {
    const auto item = outlook.Inbox()->StoredItems().Elements()[0];
    item->Delete();
    item->Delete();
    EXPECT_TRUE(outlook.DeletedItems()->StoredItems().Elements().empty());
    EXPECT_EQ(item->Location(), nullptr);
    EXPECT_EQ(outlook.PumpEvents(), 1);  // only the arrival in Deleted Items

    EXPECT_EQ(item->Class(), item_class::Mail);
    EXPECT_NE(item->MAPIOBJECT()->QueryMessage(), nullptr);
    EXPECT_THROW(item->Delete(), HostError);
    EXPECT_THROW(item->Move(*outlook.Inbox()), HostError);
}

TEST_F(Store, SubfolderNamesAreUniqueAndFoundRegardlessOfCase) {
    const auto folders = outlook.Inbox()->Folders();
    EXPECT_EQ(folders->Item(u"QUARANTINE"), quarantine);
    EXPECT_EQ(folders->Item(1), quarantine);
    EXPECT_THROW(folders->Add(u"quarantine", 6), HostError);
    EXPECT_THROW(folders->Item(u"Quarantin"), HostError);
    EXPECT_THROW(folders->Add(u"", 6), HostError);

    const auto summer = folders->Add(u"\u00C9T\u00C9", 6);  // "ÉTÉ"
    EXPECT_EQ(folders->Item(u"\u00E9t\u00E9"), summer);
    EXPECT_THROW(folders->Add(u"\u00E9t\u00E9", 6), HostError);
    EXPECT_EQ(folders->Count(), 2);
    EXPECT_EQ(summer->Name(), u"\u00C9T\u00C9");
}

TEST_F(Store, NewSubfoldersTakeTheirItemTypeFromTheFolderType) {
    const auto folders = outlook.Inbox()->Folders();
    EXPECT_EQ(folders->Add(u"Mail", 6)->DefaultItemType(), item_type::Mail);
    EXPECT_EQ(folders->Add(u"People", 10)->DefaultItemType(), item_type::Contact);
    EXPECT_EQ(folders->Add(u"Dates", 9)->DefaultItemType(), item_type::Appointment);
    EXPECT_EQ(folders->Add(u"Other", 42)->DefaultItemType(), item_type::Mail);
}

}  // namespace
}  // namespace tarn::host::sim
