// Reading the mailbox forms: mbox, Maildir, directories of message files, corpus exports.
#include "tools/import/mailbox_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_dir.h"
#include "tests/tools/mailbox_entries.h"

namespace tarn::tools::import {
namespace {

namespace fs = std::filesystem;
namespace tag = platform::prop_tag;
using test::Labels;
using test::ReadAll;
using ::testing::ElementsAre;

std::string Message(const std::string& subject, const std::string& body = "Body.\n") {
    return "From: jane@example.com\nSubject: " + subject + "\n\n" + body;
}

const std::string& PropertyOf(const MailboxEntry& entry, platform::PropTag property) {
    return std::get<ImportedMessage>(entry).content.properties.at(property);
}

void WriteFile(const test_support::TempDir& dir, const std::string& name, const std::string& bytes) {
    fs::create_directories((dir / name).parent_path());
    dir.Write(name, bytes);
}

TEST(ReadMbox, SplitsAtFromLinesAfterBlankLinesAndUnescapesQuotedOnes) {
    test_support::TempDir dir;
    WriteFile(dir, "inbox.mbox",
              "From jane@example.com Tue May 14 09:12:44 2024\n" + Message("one", "First body.\n") + "\n" +
                  "From bob@example.org Tue May 14 10:00:00 2024\n" +
                  Message("two", "Text\nFrom here on, no split: no blank line before.\n\n"
                                 ">From the escaped line\n>>From a twice-escaped line\n") +
                  "\n" + "From carol@example.net Tue May 14 11:00:00 2024\n" + Message("three", "Last.\n") + "\n");
    const auto entries = ReadAll(dir / "inbox.mbox");
    EXPECT_THAT(Labels(entries, dir.Path()), ElementsAre("inbox.mbox#1", "inbox.mbox#2", "inbox.mbox#3"));
    EXPECT_EQ(PropertyOf(entries[0], tag::Body), "First body.\r\n");
    EXPECT_EQ(PropertyOf(entries[1], tag::Body),
              "Text\r\nFrom here on, no split: no blank line before.\r\n\r\n"
              "From the escaped line\r\n>From a twice-escaped line\r\n");
    EXPECT_EQ(PropertyOf(entries[2], tag::Subject), "three");
    EXPECT_EQ(PropertyOf(entries[2], tag::Body), "Last.\r\n");
}

TEST(ReadMbox, SplitsCrLfFilesAndReportsABrokenMessageInItsPlace) {
    test_support::TempDir dir;
    WriteFile(dir, "saved",
              "From a@example.com Tue May 14 09:12:44 2024\r\n" "Subject: one\r\n\r\nOne.\r\n\r\n"
              "From b@example.com Tue May 14 09:12:45 2024\r\n" "no header here at all\r\n\r\n"
              "From c@example.com Tue May 14 09:12:46 2024\r\n" "Subject: three\r\n\r\nThree.\r\n");
    const auto entries = ReadAll(dir / "saved");
    EXPECT_THAT(Labels(entries, dir.Path()), ElementsAre("saved#1", "!saved#2", "saved#3"));
    EXPECT_EQ(PropertyOf(entries[0], tag::TransportMessageHeaders), "Subject: one\r\n");
    EXPECT_EQ(PropertyOf(entries[2], tag::Body), "Three.\r\n");
}

TEST(ReadMaildir, ReadsCurThenNewAndNeverTmp) {
    test_support::TempDir dir;
    WriteFile(dir, "Mail/cur/1716000002.M2P1.host:2,S", Message("cur two"));
    WriteFile(dir, "Mail/cur/1716000001.M1P1.host:2,S", Message("cur one"));
    WriteFile(dir, "Mail/new/1716000003.M3P1.host", Message("new three"));
    WriteFile(dir, "Mail/tmp/1716000004.M4P1.host", "half-delivered");
    const auto entries = ReadAll(dir / "Mail");
    EXPECT_THAT(Labels(entries, dir.Path()),
                ElementsAre("Mail/cur/1716000001.M1P1.host:2,S", "Mail/cur/1716000002.M2P1.host:2,S",
                            "Mail/new/1716000003.M3P1.host"));
}

TEST(ReadDirectory, ReadsEveryMessageFileRecursivelyInNameOrder) {
    test_support::TempDir dir;
    WriteFile(dir, "b.eml", Message("b"));
    WriteFile(dir, "a.eml", Message("a"));
    WriteFile(dir, "c/inner.eml", Message("c"));
    WriteFile(dir, "c/archive", "From x@example.com Mon Jan  1 00:00:00 2024\n" + Message("m1") + "\n" +
                                    "From y@example.com Mon Jan  1 00:00:01 2024\n" + Message("m2"));
    WriteFile(dir, "a.json", "{\"subject\": \"a\"}");
    WriteFile(dir, ".hidden.eml", Message("hidden"));
    WriteFile(dir, ".git/HEAD", "ref: refs/heads/main\n");
    WriteFile(dir, "d/empty.eml", "");
    const auto entries = ReadAll(dir.Path());
    EXPECT_THAT(Labels(entries, dir.Path()),
                ElementsAre("a.eml", "b.eml", "c/archive#1", "c/archive#2", "c/inner.eml", "!d/empty.eml"));
}

TEST(ReadDirectory, ReadsOnlyTheMessagesOfACorpusExport) {
    test_support::TempDir dir;
    // A corpus message keeps its mbox "From " line but holds one message, whatever its body says.
    const std::string corpus_message = "From jane@example.com  Thu Aug 22 12:36:23 2002\n" +
                                       Message("corpus", "Quoted:\n\nFrom bob: not a new message\n");
    WriteFile(dir, "package/README.md", "# The package\n");
    WriteFile(dir, "package/data/file_list.json", "[]");
    WriteFile(dir, "package/data/easy-ham-1/00001.7c53.txt", corpus_message);
    WriteFile(dir, "package/data/easy-ham-1/00001.7c53.json", "{\"lossy\": true}");
    WriteFile(dir, "package/data/spam-2/00002.9c40.txt", Message("second"));
    WriteFile(dir, "package/data/spam-2/00002.9c40.json", "{}");
    WriteFile(dir, "package/data/data.js", "/** @license Apache-2.0 */\nmodule.exports = [];\n");
    WriteFile(dir, "package/data/notes.txt", "Not a message of the corpus.\n");
    for (const char* root : {"package", "package/data"}) {
        const auto entries = ReadAll(dir / root);
        ASSERT_THAT(Labels(entries, dir.Path()),
                    ElementsAre("package/data/easy-ham-1/00001.7c53.txt", "package/data/spam-2/00002.9c40.txt"))
            << root;
        EXPECT_EQ(PropertyOf(entries[0], tag::Body), "Quoted:\r\n\r\nFrom bob: not a new message\r\n");
        EXPECT_EQ(PropertyOf(entries[0], tag::TransportMessageHeaders).substr(0, 5), "From:");
    }
    // One group folder on its own: its messages, each one message.
    EXPECT_THAT(Labels(ReadAll(dir / "package/data/easy-ham-1"), dir.Path()),
                ElementsAre("package/data/easy-ham-1/00001.7c53.txt"));
}

TEST(ReadDirectory, AStrayTextAndJsonPairDoesNotMakeAMailboxACorpus) {
    test_support::TempDir dir;
    WriteFile(dir, "mail/a.eml", Message("kept"));
    WriteFile(dir, "mail/notes/todo.txt", "From jane@example.com Tue May 14 09:12:44 2024\n" + Message("one") + "\n" +
                                              "From bob@example.org Tue May 14 10:00:00 2024\n" + Message("two"));
    WriteFile(dir, "mail/notes/todo.json", "{}");
    const auto entries = ReadAll(dir / "mail");
    EXPECT_THAT(Labels(entries, dir.Path()), ElementsAre("mail/a.eml", "mail/notes/todo.txt#1", "mail/notes/todo.txt#2"));
}

TEST(ReadDirectory, LinksAreFollowedAndLoopsAndDanglingLinksAreReportedAndSkipped) {
    test_support::TempDir dir;
    WriteFile(dir, "mail/a.eml", Message("a"));
    WriteFile(dir, "elsewhere/b.eml", Message("b"));
    fs::create_directory_symlink(dir / "elsewhere", dir / "mail" / "linked");
    fs::create_directory_symlink(dir / "mail", dir / "mail" / "loop");           // back up the tree
    fs::create_symlink(dir / "mail" / "gone.eml", dir / "mail" / "dangling.eml");
    fs::create_symlink(dir / "mail" / "self-b", dir / "mail" / "self-a");         // a chain that never ends
    fs::create_symlink(dir / "mail" / "self-a", dir / "mail" / "self-b");
    const auto entries = ReadAll(dir / "mail");
    EXPECT_THAT(Labels(entries, dir.Path()), ElementsAre("!mail/dangling.eml", "!mail/loop", "!mail/self-a",
                                                         "!mail/self-b", "mail/a.eml", "mail/linked/b.eml"));
    EXPECT_EQ(std::get<ImportFailure>(entries[0]).reason, "a symbolic link to nothing: skipped");
    EXPECT_THAT(std::get<ImportFailure>(entries[1]).reason, ::testing::HasSubstr("loop"));
}

TEST(ReadSingleFile, ReadsOneMessageAndReportsMissingPaths) {
    test_support::TempDir dir;
    WriteFile(dir, "one.eml", Message("only"));
    const auto entries = ReadAll(dir / "one.eml");
    EXPECT_THAT(Labels(entries, dir.Path()), ElementsAre("one.eml"));
    EXPECT_EQ(PropertyOf(entries[0], tag::Subject), "only");

    const auto missing = ReadAll(dir / "no-such.eml");
    ASSERT_THAT(Labels(missing, dir.Path()), ElementsAre("!no-such.eml"));
    EXPECT_EQ(std::get<ImportFailure>(missing[0]).reason, "no such file or directory");
}

}  // namespace
}  // namespace tarn::tools::import
