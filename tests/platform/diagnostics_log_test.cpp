#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/diagnostics_log.h"
#include "tests/support/temp_dir.h"

namespace tarn::platform {
namespace {

struct RecordedOutput final : DebugOutput {
    void Write(std::string_view line) noexcept override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

struct FixedClock final : Clock {
    LocalTime Now() override { return {2026, 12, 9, 7, 5, 3}; }
    void Sleep(std::chrono::milliseconds) override {}
};

class DiagnosticsLogTest : public ::testing::Test {
protected:
    test_support::TempDir dir;
    RecordedOutput output;
    FixedClock clock;
    DiagnosticsLog log{output, clock};
};

TEST_F(DiagnosticsLogTest, EveryFailureReachesTheDebugOutputAsOneLine) {
    log.Record("OnSentItemAdd", "Recipients.Item: refused\r\nsecond line");
    ASSERT_EQ(output.lines.size(), 1u);
    EXPECT_EQ(output.lines[0], "Tarn4OL: OnSentItemAdd: Recipients.Item: refused  second line");
    EXPECT_EQ(dir.FileCount(), 0u);  // no file until the user asks for one
}

TEST_F(DiagnosticsLogTest, TheFileTakesTimedLinesOnlyWhileEnabled) {
    log.SetFile(dir / "Tarn4OL.log", true);
    log.Record("SaveLists", "Cannot write \"OKsenders.tarn\": Permission denied");
    log.Record("ReportIfDue", "disk full");
    EXPECT_EQ(dir.Read("Tarn4OL.log"),
              "2026-12-09 07:05:03 SaveLists: Cannot write \"OKsenders.tarn\": Permission denied\r\n"
              "2026-12-09 07:05:03 ReportIfDue: disk full\r\n");
    log.SetFile(dir / "Tarn4OL.log", false);
    log.Record("later", "not written");
    EXPECT_EQ(dir.Read("Tarn4OL.log").find("later"), std::string::npos);
}

TEST_F(DiagnosticsLogTest, AFullFileBecomesTheOneOlderFileKept) {
    const std::string line = std::string(1000, 'x');
    dir.Write("Tarn4OL.old.log", "the oldest\r\n");
    dir.Write("Tarn4OL.log", std::string(DiagnosticsLog::FileLimit - 10, '.'));
    log.SetFile(dir / "Tarn4OL.log", true);
    log.Record("place", line);
    EXPECT_EQ(std::filesystem::file_size(dir / "Tarn4OL.old.log"), DiagnosticsLog::FileLimit - 10);
    EXPECT_EQ(dir.Read("Tarn4OL.log"), "2026-12-09 07:05:03 place: " + line + "\r\n");
    for (int i = 0; i < 2000; ++i) log.Record("place", line);
    EXPECT_LE(std::filesystem::file_size(dir / "Tarn4OL.log"), DiagnosticsLog::FileLimit);
    EXPECT_LE(std::filesystem::file_size(dir / "Tarn4OL.old.log"), DiagnosticsLog::FileLimit);
    EXPECT_EQ(dir.FileCount(), 2u);
}

TEST_F(DiagnosticsLogTest, ALogThatCannotBeWrittenLosesOnlyItsLine) {
    std::filesystem::create_directory(dir / "Tarn4OL.log");
    log.SetFile(dir / "Tarn4OL.log", true);
    log.Record("place", "failure");
    EXPECT_EQ(output.lines.size(), 1u);
}

TEST(Contain, RecordsWhatItSwallowsWithThePlace) {
    struct Kept final : Diagnostics {
        void Record(std::string_view place, std::string_view failure) noexcept override {
            text += std::string(place) + ": " + std::string(failure) + ";";
        }
        std::string text;
    } kept;
    EXPECT_TRUE(Contain(kept, "quiet", [] {}));
    EXPECT_FALSE(Contain(kept, "file", [] { throw std::runtime_error("disk full"); }));
    EXPECT_FALSE(Contain(kept, "odd", [] { throw 42; }));
    EXPECT_EQ(kept.text, "file: disk full;odd: an unknown failure;");
}

}  // namespace
}  // namespace tarn::platform
