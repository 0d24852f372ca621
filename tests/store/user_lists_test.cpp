#include <gtest/gtest.h>

#include "platform/files.h"
#include "store/user_lists.h"
#include "tests/support/recorded_diagnostics.h"
#include "tests/support/temp_dir.h"

namespace tarn::store {
namespace {

using test_support::TempDir;
using Entries = std::vector<std::string>;

class UserListsTest : public ::testing::Test {
protected:
    TempDir dir;
    test_support::RecordedDiagnostics diagnostics;
};

TEST_F(UserListsTest, AFirstStartHoldsOnlyTheMarkersAndWritesOneLineFiles) {
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
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

TEST_F(UserListsTest, AFileReplacesTheMarkerAndLoadsSortedWithoutCaseDuplicates) {
    dir.Write("forbidden.tarn", "abc\r\nABC\r\nabc \r\n--++forbidden++--\r\n--++forbidden++--");
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    EXPECT_EQ(lists->List(ListKind::ForbiddenWords).Entries(), (Entries{"--++forbidden++--", "abc", "abc "}));
}

TEST_F(UserListsTest, AnyLineEndLoadsTheSameEntries) {
    for (const char* content : {"b\r\na\r\nc", "b\na\nc\n", "b\ra\rc\r"}) {
        dir.Write("BanSenders.tarn", content);
        auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
        EXPECT_EQ(lists->List(ListKind::BannedSenders).Entries(), (Entries{"a", "b", "c"})) << content;
    }
}

TEST_F(UserListsTest, AnEmptyLineIsAnEmptyEntrySortedFirst) {
    dir.Write("protected.tarn", "invoice\r\n\r\nagenda\r\n");
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    EXPECT_EQ(lists->List(ListKind::ProtectedWords).Entries(), (Entries{"", "agenda", "invoice"}));
}

TEST_F(UserListsTest, AMarkerTheUserDeletedStaysDeleted) {
    dir.Write("OKsenders.tarn", "ann@example.com\r\n");
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
    lists->ReloadLists();
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
    lists->SaveListsAtShutdown();
    EXPECT_EQ(UserLists::CreateLists(dir.Path(), diagnostics)->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
}

TEST_F(UserListsTest, ReloadReplacesMemoryWithTheFileAndKeepsListsWithoutAFile) {
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    lists->List(ListKind::FriendSenders).Add("added-by-sent-mail");
    lists->List(ListKind::BannedSenders).Add("kept@example.com");
    dir.Write("OKsenders.tarn", "from-the-dialog\r\n");
    lists->ReloadLists();
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"from-the-dialog"});
    EXPECT_EQ(lists->List(ListKind::BannedSenders).Count(), 2u);
}

TEST_F(UserListsTest, FileNamesAreMatchedWithoutRegardToCase) {
    dir.Write("oksenders.TARN", "friend@example.com\r\n");
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"friend@example.com"});
    lists->List(ListKind::FriendSenders).Add("second@example.com");
    lists->SaveList(ListKind::FriendSenders);
    EXPECT_EQ(dir.Read("oksenders.TARN"), "friend@example.com\r\nsecond@example.com\r\n");
}

TEST_F(UserListsTest, TheDialogOrderStopsAtTheFirstListThatCannotBeWritten) {
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    std::filesystem::create_directory(dir / "forbidden.tarn");
    EXPECT_THROW(lists->SaveLists(SaveOrder::OptionsDialog), platform::FileError);
    EXPECT_TRUE(platform::FileExists(dir / "OKsenders.tarn"));    // written before the failure
    EXPECT_FALSE(platform::FileExists(dir / "protected.tarn"));   // after it: not written
    EXPECT_FALSE(platform::FileExists(dir / "BanSenders.tarn"));
}

TEST_F(UserListsTest, AtShutdownOneUnwritableListDoesNotCostTheOthers) {
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    std::filesystem::create_directory(dir / "forbidden.tarn");
    lists->SaveListsAtShutdown();
    EXPECT_TRUE(platform::FileExists(dir / "protected.tarn"));
    EXPECT_TRUE(platform::FileExists(dir / "OKsenders.tarn"));
    EXPECT_TRUE(platform::FileExists(dir / "BanSenders.tarn"));
    ASSERT_EQ(diagnostics.Entries().size(), 1u);  // not shown, but never silent
    EXPECT_EQ(diagnostics.Entries()[0].place, "SaveLists");
    EXPECT_NE(diagnostics.Entries()[0].failure.find("forbidden.tarn"), std::string::npos) << diagnostics.Text();
}

TEST_F(UserListsTest, AReadOnlyListIsNotRewrittenAndTheFailureIsRecorded) {
    dir.Write("forbidden.tarn", "casino\r\n");
    std::filesystem::permissions(dir / "forbidden.tarn", std::filesystem::perms::all ^ std::filesystem::perms::owner_write ^
                                                             std::filesystem::perms::group_write ^
                                                             std::filesystem::perms::others_write);
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    lists->List(ListKind::ForbiddenWords).Add("lottery");
    lists->SaveListsAtShutdown();
    EXPECT_EQ(dir.Read("forbidden.tarn"), "casino\r\n");
    ASSERT_EQ(diagnostics.Entries().size(), 1u);
    EXPECT_NE(diagnostics.Entries()[0].failure.find("read-only"), std::string::npos) << diagnostics.Text();
    std::filesystem::permissions(dir / "forbidden.tarn", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(UserListsTest, AListFileThatIsALinkIsWrittenThroughTheLink) {
    dir.Write("kept/OKsenders.tarn", "ann@example.com\r\n");
    std::error_code error;
    std::filesystem::create_symlink(dir / "kept" / "OKsenders.tarn", dir / "OKsenders.tarn", error);
    if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    lists->List(ListKind::FriendSenders).Add("bob@example.com");
    lists->SaveList(ListKind::FriendSenders);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "OKsenders.tarn"));
    EXPECT_EQ(dir.Read("kept/OKsenders.tarn"), "ann@example.com\r\nbob@example.com\r\n");
}

TEST_F(UserListsTest, WhatAKilledSaveLeftBehindGoesAtTheNextStart) {
    dir.Write("OKsenders.tarn", "ann@example.com\r\n");
    dir.Write(".OKsenders.tarn.tmp-Q1w2E3", "ann@exa");
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    EXPECT_FALSE(std::filesystem::exists(dir / ".OKsenders.tarn.tmp-Q1w2E3"));
    EXPECT_EQ(lists->List(ListKind::FriendSenders).Entries(), Entries{"ann@example.com"});
}

TEST_F(UserListsTest, AFileCutShortByANulByteIsNeverOverwritten) {
    const std::string damaged("a@example.com\r\nb@example.com\0\r\nc@example.com\r\n", 46);
    dir.Write("BanSenders.tarn", damaged);
    auto lists = UserLists::CreateLists(dir.Path(), diagnostics);
    EXPECT_EQ(lists->List(ListKind::BannedSenders).Entries(), (Entries{"a@example.com", "b@example.com"}));
    EXPECT_NE(diagnostics.Text().find("BanSenders.tarn\" holds a NUL byte"), std::string::npos) << diagnostics.Text();
    EXPECT_THROW(lists->SaveList(ListKind::BannedSenders), platform::FileError);
    lists->SaveListsAtShutdown();
    EXPECT_EQ(dir.Read("BanSenders.tarn"), damaged);
    dir.Write("BanSenders.tarn", "mended@example.com\r\n");  // the user mends the file
    lists->ReloadLists();
    EXPECT_NO_THROW(lists->SaveList(ListKind::BannedSenders));
}

}  // namespace
}  // namespace tarn::store
