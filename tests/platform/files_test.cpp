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

TEST(Files, FileNamesAreFoundWithoutRegardToCase) {
    TempDir dir;
    dir.Write("OKSenders.tarn", "x\r\n");
    EXPECT_EQ(ReadFileShared(FindFileIgnoringCase(dir.Path(), "OKsenders.tarn")), "x\r\n");
    EXPECT_EQ(FindFileIgnoringCase(dir.Path(), "other.tarn").filename(), "other.tarn");
}

}  // namespace
}  // namespace tarn::platform
