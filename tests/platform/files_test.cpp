#include <gtest/gtest.h>

#include "platform/files.h"
#include "tests/support/temp_dir.h"

namespace tarn::platform {
namespace {

using test_support::TempDir;

TEST(Files, ReadsAFileWholeWithEveryByte) {
    TempDir dir;
    const std::string bytes("a\r\nb\0c\xFF", 7);
    dir.Write("list.tarn", bytes);
    EXPECT_EQ(ReadFileShared(dir / "list.tarn"), bytes);
    EXPECT_TRUE(FileExists(dir / "list.tarn"));
    EXPECT_FALSE(FileExists(dir.Path()));  // a folder is no file
}

TEST(Files, AMissingFileRaisesAnErrorNamingIt) {
    TempDir dir;
    try {
        ReadFileShared(dir / "missing.tarn");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.tarn"), std::string::npos) << error.what();
    }
}

TEST(Files, ReplacingCreatesOrOverwritesAndLeavesNoTemporaryFile) {
    TempDir dir;
    ReplaceFileContent(dir / "a.tarn", "first\r\n");
    EXPECT_EQ(dir.Read("a.tarn"), "first\r\n");
    ReplaceFileContent(dir / "a.tarn", "");
    EXPECT_EQ(dir.Read("a.tarn"), "");
    EXPECT_EQ(dir.FileCount(), 1u);
}

TEST(Files, AFailedReplaceKeepsWhatWasThereAndCleansUp) {
    TempDir dir;
    std::filesystem::create_directory(dir / "busy.tarn");  // nothing can take a folder's place
    dir.Write("busy.tarn/keep", "kept");
    EXPECT_THROW(ReplaceFileContent(dir / "busy.tarn", "new\r\n"), FileError);
    EXPECT_EQ(dir.Read("busy.tarn/keep"), "kept");
    EXPECT_EQ(dir.FileCount(), 1u);
    EXPECT_THROW(ReplaceFileContent(dir / "no-such-folder" / "x.tarn", "new"), FileError);
}

TEST(Files, AReadOnlyFileIsNotReplaced) {
    TempDir dir;
    dir.Write("OKsenders.tarn", "mine\r\n");
    std::filesystem::permissions(dir / "OKsenders.tarn", std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_write |
                                                             std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    try {
        ReplaceFileContent(dir / "OKsenders.tarn", "new\r\n");
        FAIL() << "a read-only file was replaced";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("read-only"), std::string::npos) << error.what();
    }
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "mine\r\n");
    EXPECT_EQ(dir.FileCount(), 1u);
    std::filesystem::permissions(dir / "OKsenders.tarn", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST(Files, ALinkIsWrittenThroughAndStaysALink) {
    TempDir dir;
    dir.Write("shared/OKsenders.tarn", "old\r\n");
    std::error_code error;
    std::filesystem::create_symlink(std::filesystem::path("shared") / "OKsenders.tarn", dir / "OKsenders.tarn", error);
    if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
    ReplaceFileContent(dir / "OKsenders.tarn", "new\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "OKsenders.tarn"));
    EXPECT_EQ(dir.Read("shared/OKsenders.tarn"), "new\r\n");
    EXPECT_EQ(dir.FileCount(), 2u);  // the link and its folder: the new file went beside the target
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "shared"), {}), 1);
}

TEST(Files, TemporariesOfAKilledSaveAreRemovedAndNothingElse) {
    TempDir dir;
    dir.Write("BanSenders.tarn", "kept\r\n");
    const std::string stale = TemporaryNamePrefix(dir / "BanSenders.tarn").string();
    EXPECT_EQ(stale, ".BanSenders.tarn.tmp-");
    dir.Write(stale + "a1B2c3", "half");
    dir.Write(stale + "zzzzzz", "half");
    dir.Write(stale + "longer1", "not ours");
    dir.Write(".OKsenders.tarn.tmp-a1B2c3", "another list's");
    RemoveStaleTemporaries(dir / "BanSenders.tarn");
    EXPECT_FALSE(std::filesystem::exists(dir / (stale + "a1B2c3")));
    EXPECT_FALSE(std::filesystem::exists(dir / (stale + "zzzzzz")));
    EXPECT_TRUE(std::filesystem::exists(dir / (stale + "longer1")));
    EXPECT_TRUE(std::filesystem::exists(dir / ".OKsenders.tarn.tmp-a1B2c3"));
    EXPECT_EQ(dir.Read("BanSenders.tarn"), "kept\r\n");
}

TEST(Files, FileNamesAreFoundWithoutRegardToCase) {
    TempDir dir;
    dir.Write("OKSenders.tarn", "x\r\n");
    EXPECT_EQ(ReadFileShared(FindFileIgnoringCase(dir.Path(), "OKsenders.tarn")), "x\r\n");
    EXPECT_EQ(FindFileIgnoringCase(dir.Path(), "other.tarn").filename(), "other.tarn");
}

}  // namespace
}  // namespace tarn::platform
