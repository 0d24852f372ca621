#include <gtest/gtest.h>

#include "platform/files.h"
#include "store/user_lists.h"
#include "tests/support/temp_dir.h"

namespace tarn::store {
namespace {

using test_support::TempDir;
using Entries = std::vector<std::string>;

TEST(UserLists, AFirstStartHoldsOnlyTheMarkersAndWritesOneLineFiles) {
    TempDir dir;
    auto lists = UserLists::CreateLists(dir.Path());
    EXPECT_EQ(lists->List(ListKind::ProtectedWords).Entries(), Entries{"--++protect++--"});
    EXPECT_EQ(lists->List(ListKind::ForbiddenWords).Entries(), Entries{"--++forbidden++--"});
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"--++protected senders++--"});
    EXPECT_EQ(lists->List(ListKind::BannedSenders).Entries(), Entries{"--++BANNED SENDERS++--"});
    lists->SaveListsAtShutdown();
    EXPECT_EQ(dir.Read("protected.tarn"), "--++protect++--\r\n");
    EXPECT_EQ(dir.Read("forbidden.tarn"), "--++forbidden++--\r\n");
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "--++protected senders++--\r\n");
    EXPECT_EQ(dir.Read("BanSenders.tarn"), "--++BANNED SENDERS++--\r\n");
}

TEST(UserLists, AFileReplacesTheMarkerAndLoadsSortedWithoutCaseDuplicates) {
    TempDir dir;
    dir.Write("forbidden.tarn", "abc\r\nABC\r\nabc \r\n--++forbidden++--\r\n--++forbidden++--");
    auto lists = UserLists::CreateLists(dir.Path());
    EXPECT_EQ(lists->List(ListKind::ForbiddenWords).Entries(), (Entries{"--++forbidden++--", "abc", "abc "}));
}

TEST(UserLists, AnyLineEndLoadsTheSameEntries) {
    for (const char* content : {"b\r\na\r\nc", "b\na\nc\n", "b\ra\rc\r"}) {
        TempDir dir;
        dir.Write("BanSenders.tarn", content);
        auto lists = UserLists::CreateLists(dir.Path());
        EXPECT_EQ(lists->List(ListKind::BannedSenders).Entries(), (Entries{"a", "b", "c"})) << content;
    }
}

TEST(UserLists, AnEmptyLineIsAnEmptyEntrySortedFirst) {
    TempDir dir;
    dir.Write("protected.tarn", "invoice\r\n\r\nagenda\r\n");
    auto lists = UserLists::CreateLists(dir.Path());
    EXPECT_EQ(lists->List(ListKind::ProtectedWords).Entries(), (Entries{"", "agenda", "invoice"}));
}

TEST(UserLists, AMarkerTheUserDeletedStaysDeleted) {
    TempDir dir;
    dir.Write("OKsenders.tarn", "ann@example.com\r\n");
    auto lists = UserLists::CreateLists(dir.Path());
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
    lists->ReloadLists();
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
    lists->SaveListsAtShutdown();
    EXPECT_EQ(UserLists::CreateLists(dir.Path())->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
}

TEST(UserLists, ReloadReplacesMemoryWithTheFileAndKeepsListsWithoutAFile) {
    TempDir dir;
    auto lists = UserLists::CreateLists(dir.Path());
    lists->List(ListKind::FriendSenders).Add("added-by-sent-mail");
    lists->List(ListKind::BannedSenders).Add("kept@example.com");
    dir.Write("OKsenders.tarn", "from-the-dialog\r\n");
    lists->ReloadLists();
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"from-the-dialog"});
    EXPECT_EQ(lists->List(ListKind::BannedSenders).Count(), 2u);
}

TEST(UserLists, FileNamesAreMatchedWithoutRegardToCase) {
    TempDir dir;
    dir.Write("oksenders.TARN", "friend@example.com\r\n");
    auto lists = UserLists::CreateLists(dir.Path());
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"friend@example.com"});
    lists->List(ListKind::FriendSenders).Add("second@example.com");
    lists->SaveList(ListKind::FriendSenders);
    EXPECT_EQ(dir.Read("oksenders.TARN"), "friend@example.com\r\nsecond@example.com\r\n");
}

TEST(UserLists, TheDialogOrderStopsAtTheFirstListThatCannotBeWritten) {
    TempDir dir;
    auto lists = UserLists::CreateLists(dir.Path());
    std::filesystem::create_directory(dir / "forbidden.tarn");
    EXPECT_THROW(lists->SaveLists(SaveOrder::OptionsDialog), platform::FileError);
    EXPECT_TRUE(platform::FileExists(dir / "OKsenders.tarn"));    // written before the failure
    EXPECT_FALSE(platform::FileExists(dir / "protected.tarn"));   // after it: not written
    EXPECT_FALSE(platform::FileExists(dir / "BanSenders.tarn"));
}

TEST(UserLists, AtShutdownOneUnwritableListDoesNotCostTheOthers) {
    TempDir dir;
    auto lists = UserLists::CreateLists(dir.Path());
    std::filesystem::create_directory(dir / "forbidden.tarn");
    lists->SaveListsAtShutdown();
    EXPECT_TRUE(platform::FileExists(dir / "protected.tarn"));
    EXPECT_TRUE(platform::FileExists(dir / "OKsenders.tarn"));
    EXPECT_TRUE(platform::FileExists(dir / "BanSenders.tarn"));
}

TEST(UserLists, AFileCutShortByANulByteIsNeverOverwritten) {
    TempDir dir;
    const std::string damaged("a@example.com\r\nb@example.com\0\r\nc@example.com\r\n", 46);
    dir.Write("BanSenders.tarn", damaged);
    auto lists = UserLists::CreateLists(dir.Path());
    EXPECT_EQ(lists->List(ListKind::BannedSenders).Entries(), (Entries{"a@example.com", "b@example.com"}));
    EXPECT_THROW(lists->SaveList(ListKind::BannedSenders), platform::FileError);
    lists->SaveListsAtShutdown();
    EXPECT_EQ(dir.Read("BanSenders.tarn"), damaged);
    dir.Write("BanSenders.tarn", "mended@example.com\r\n");  // the user mends the file
    lists->ReloadLists();
    EXPECT_NO_THROW(lists->SaveList(ListKind::BannedSenders));
}

}  // namespace
}  // namespace tarn::store
