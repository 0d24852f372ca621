// Reading ahead on a thread of its own: the same entries in the same order as reading in place,
// and a caller that stops is never left waiting.
#include "tools/import/read_ahead.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/tools/mailbox_entries.h"

namespace tarn::tools::import {
namespace {

namespace fs = std::filesystem;

// A directory of `count` small messages, and an mbox file of three after it.
void WriteMailboxes(const test_support::TempDir& dir, int count) {
    fs::create_directories(dir / "files");
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "files/%04d.eml", i);
        dir.Write(name, "From: a@example.com\nSubject: message " + std::to_string(i) + "\n\nBody.\n");
    }
    dir.Write("box.mbox",
              "From a@example.com Tue May 14 09:12:44 2024\nSubject: one\n\nx\n\n"
              "From b@example.com Tue May 14 09:12:45 2024\nSubject: two\n\ny\n\n"
              "From c@example.com Tue May 14 09:12:46 2024\nSubject: three\n\nz\n");
}

TEST(ReadMailboxesAhead, GivesWhatReadingInPlaceGivesInTheSameOrder) {
    test_support::TempDir dir;
    WriteMailboxes(dir, 150);  // more than are read ahead at once
    const std::vector<fs::path> mailboxes = {dir / "files", dir / "missing", dir / "box.mbox"};

    std::vector<MailboxEntry> in_place;
    for (const auto& mailbox : mailboxes) {
        for (auto& entry : test::ReadAll(mailbox)) in_place.push_back(std::move(entry));
    }
    std::vector<MailboxEntry> ahead;
    ReadMailboxesAhead(mailboxes, [&](MailboxEntry entry) { ahead.push_back(std::move(entry)); });

    ASSERT_EQ(ahead.size(), 150u + 1u + 3u);
    EXPECT_EQ(test::Labels(ahead, dir.Path()), test::Labels(in_place, dir.Path()));
    EXPECT_TRUE(std::holds_alternative<ImportFailure>(ahead[150]));  // the missing mailbox, in its place
}

TEST(ReadMailboxesAhead, ACallerThatStopsGetsItsExceptionAndIsNotKeptWaiting) {
    test_support::TempDir dir;
    WriteMailboxes(dir, 300);
    int taken = 0;
    EXPECT_THROW(ReadMailboxesAhead({dir / "files"},
                                    [&](MailboxEntry) {
                                        if (++taken == 5) throw std::runtime_error("stop");
                                    }),
                 std::runtime_error);
    EXPECT_EQ(taken, 5);
}

TEST(ReadMailboxesAhead, NoMailboxesGiveNothing) {
    int taken = 0;
    ReadMailboxesAhead({}, [&](MailboxEntry) { ++taken; });
    EXPECT_EQ(taken, 0);
}

}  // namespace
}  // namespace tarn::tools::import
