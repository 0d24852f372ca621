// tarn4ol-sim as a user runs it: the sample mailbox screened end to end, in JSON.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <regex>
#include <string>

#include "tests/support/temp_dir.h"

namespace tarn::tools::sim {
namespace {

using ::testing::HasSubstr;

struct SimRun {
    int status = -1;
    std::string out;
};

// Runs the simulator program itself, from the source folder, with the sample state copied.
SimRun Simulate(const test_support::TempDir& dir, const std::string& arguments) {
    const std::filesystem::path state = dir / "state";
    std::filesystem::copy(std::filesystem::path(TARN_TEST_SOURCE_DIR) / "samples" / "state", state);
    const std::string command = "cd '" TARN_TEST_SOURCE_DIR "' && '" TARN_SIM_PROGRAM "' --json --state '" +
                                state.string() + "' " + arguments + " 2>&1";
    SimRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer;
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) run.out.append(buffer.data(), got);
    run.status = ::pclose(pipe);
    return run;
}

// The "decision" of each message, by the file name of its source.
std::map<std::string, std::string> Decisions(const std::string& json_lines) {
    std::map<std::string, std::string> decisions;
    const std::regex line(R"re(\{"source":"[^"]*/([^"/]+\.eml)".*"decision":"([^"]+)")re");
    for (std::sregex_iterator match(json_lines.begin(), json_lines.end(), line), end; match != end; ++match) {
        decisions[(*match)[1]] = (*match)[2];
    }
    return decisions;
}

TEST(SimulatorOnTheSampleMailbox, EveryMessageGetsTheVerdictItWasWrittenFor) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--sent samples/sent samples/inbox");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto decisions = Decisions(run.out);
    ASSERT_EQ(decisions.size(), 13u) << run.out;
    EXPECT_EQ(decisions.at("01-colleague-plain-text.eml"), "friend sender");
    EXPECT_EQ(decisions.at("04-chinese-gb2312.eml"), "Alphabet");
    EXPECT_EQ(decisions.at("05-russian-koi8r.eml"), "Alphabet");
    EXPECT_EQ(decisions.at("06-encoded-word-in-body.eml"), "Err. format");
    EXPECT_EQ(decisions.at("07-pharmacy-sender.eml"), "Banned Sender");
    EXPECT_EQ(decisions.at("08-casino-invitation.eml"), "Banned Content");
    EXPECT_EQ(decisions.at("09-hyperlink-field-text.eml"), "Suspicious");
    EXPECT_EQ(decisions.at("10-supplier-invoice.eml"), "protected word");
    for (const char* rated : {"02-newsletter-alternative.eml", "11-long-report-many-spaces.eml", "12-several-recipients.eml",
                              "13-no-to-header.eml"}) {
        EXPECT_EQ(decisions.at(rated), "rated below 50") << rated;
    }
    EXPECT_THAT(decisions.at("03-marketing-html-only.eml"), ::testing::AnyOf("rating engine", "rated below 50"));
    EXPECT_THAT(run.out, HasSubstr("{\"summary\":{\"screened\":13,"));
    const std::string report = dir.Read("state/FLUSH.htm");
    EXPECT_THAT(report, HasSubstr("<TD>offers@cheap-pill...</TD>"));  // cut to 20 characters
    EXPECT_THAT(report, HasSubstr("<I>Banned Sender&gt;</I>"));
    EXPECT_THAT(report, ::testing::Not(HasSubstr("maria.lindqvist")));
}

TEST(SimulatorOnTheSampleMailbox, SettingsForTheRunReachTheOtherVerdictsAndAreNotKept) {
    test_support::TempDir dir;
    const SimRun strict = Simulate(dir, "--set OnlyAddressBook=1 samples/inbox");
    ASSERT_EQ(strict.status, 0) << strict.out;
    EXPECT_EQ(Decisions(strict.out).at("13-no-to-header.eml"), "Not in Address-Book");
    EXPECT_THAT(dir.Read("state/registry.reg"), HasSubstr("\"OnlyAddressBook\"=dword:00000000"));

    test_support::TempDir english_dir;
    const SimRun english = Simulate(english_dir, "--set BlockEnglish=1 samples/inbox");
    EXPECT_EQ(Decisions(english.out).at("09-hyperlink-field-text.eml"), "English");
}

TEST(SimulatorOnTheSampleMailbox, AnUnreadableMessageIsNamedAndTheRestGoesOn) {
    test_support::TempDir dir;
    dir.Write("mailbox/a.eml", "");
    std::filesystem::copy(std::filesystem::path(TARN_TEST_SOURCE_DIR) / "samples" / "inbox" / "07-pharmacy-sender.eml",
                          dir / "mailbox" / "b.eml");
    const SimRun run = Simulate(dir, "'" + (dir / "mailbox").string() + "'");
    EXPECT_EQ(WEXITSTATUS(run.status), 1);
    EXPECT_THAT(run.out, HasSubstr("a.eml: empty"));
    EXPECT_THAT(run.out, HasSubstr("\"decision\":\"Banned Sender\""));
    EXPECT_THAT(run.out, HasSubstr("\"unreadable\":1"));
}

TEST(SimulatorOnTheSampleMailbox, AMistypedSettingStopsBeforeAnythingRuns) {
    test_support::TempDir dir;
    const SimRun run = Simulate(dir, "--set BlockFrench=1 samples/inbox");
    EXPECT_EQ(WEXITSTATUS(run.status), 2);
    EXPECT_THAT(run.out, HasSubstr("BlockFrench"));
    EXPECT_FALSE(std::filesystem::exists(dir / "state" / "registry.reg"));
}

}  // namespace
}  // namespace tarn::tools::sim
