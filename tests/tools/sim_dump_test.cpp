// tarn4ol-sim's command line and its --dump mode.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/temp_dir.h"
#include "tools/sim/command_line.h"
#include "tools/sim/dump_mode.h"
#include "tools/sim/exit_status.h"
#include "tools/sim/value_display.h"

namespace tarn::tools::sim {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(DisplayValue, EscapesWhatATerminalCannotShow) {
    EXPECT_EQ(DisplayValue("Caf\xE9 \"x\"\r\n\ta\\b\x01\x7F", 100), R"("Caf\xE9 \"x\"\r\n\ta\\b\x01\x7F")");
    EXPECT_EQ(DisplayValue(std::string("a\0b", 3), 100), R"("a\x00b")");
}

TEST(DisplayValue, CutsLongValuesAndSaysHowLongTheyAre) {
    EXPECT_EQ(DisplayValue("abcdefgh", 3), R"("abc" ... (cut: 8 bytes in all))");
    EXPECT_EQ(DisplayValue("abc", 3), R"("abc")");
}

TEST(CommandLine, ReadsTheDumpModeAndItsMailboxes) {
    const auto command = ParseCommandLine({"inbox", "--dump", "--", "--odd-name.mbox"});
    EXPECT_EQ(command.mode, Mode::Dump);
    EXPECT_THAT(command.mailboxes, ElementsAre("inbox", "--odd-name.mbox"));
    EXPECT_EQ(ParseCommandLine({"--help"}).mode, Mode::Help);
    EXPECT_EQ(ParseCommandLine({"--dump", "x", "-h"}).mode, Mode::Help);
}

TEST(CommandLine, ScreensByDefaultWithItsOptions) {
    const auto plain = ParseCommandLine({});
    EXPECT_EQ(plain.mode, Mode::Screen);
    EXPECT_TRUE(plain.mailboxes.empty());
    EXPECT_EQ(plain.state, "tarn4ol-state");
    const auto command = ParseCommandLine({"--state", "s", "--set", "BlockEnglish=1", "--set=Alphabet Groups=0001",
                                           "--sent=out.mbox", "--json", "in"});
    EXPECT_EQ(command.mode, Mode::Screen);
    EXPECT_EQ(command.state, "s");
    EXPECT_THAT(command.settings, ElementsAre(std::pair<std::string, std::string>{"BlockEnglish", "1"},
                                              std::pair<std::string, std::string>{"Alphabet Groups", "0001"}));
    EXPECT_THAT(command.sent_mailboxes, ElementsAre("out.mbox"));
    EXPECT_THAT(command.mailboxes, ElementsAre("in"));
    EXPECT_TRUE(command.json);
}

TEST(CommandLine, RejectsWhatItCannotDo) {
    EXPECT_THROW(ParseCommandLine({"--dump"}), UsageError);
    EXPECT_THROW(ParseCommandLine({"--dump", "--verbose", "inbox"}), UsageError);
    EXPECT_THROW(ParseCommandLine({"--dump", "--json", "inbox"}), UsageError);
    EXPECT_THROW(ParseCommandLine({"--state"}), UsageError);
    EXPECT_THROW(ParseCommandLine({"--set", "BlockEnglish"}), UsageError);
    EXPECT_THROW(ParseCommandLine({"--set", "=1"}), UsageError);
}

TEST(DumpMode, PrintsEachMessageAndReportsUnreadableOnes) {
    test_support::TempDir dir;
    dir.Write("a-good.eml", "From: jane@example.com\r\nTo: \"IT\" <helpdesk@corp.example>\r\nBcc: x@example.org\r\n"
                            "Subject: Hi\r\n\r\nHello\r\n");
    dir.Write("b-empty.eml", "");
    std::ostringstream out;
    std::ostringstream errors;

    EXPECT_EQ(RunDump({dir / "a-good.eml", dir / "b-empty.eml"}, out, errors), exit_status::Failure);
    EXPECT_THAT(out.str(), HasSubstr("== " + (dir / "a-good.eml").string() + "\n"));
    EXPECT_THAT(out.str(), HasSubstr("PR_SUBJECT                    0x0037001E         2  \"Hi\"\n"));
    EXPECT_THAT(out.str(), HasSubstr("PR_BODY                       0x1000001E         7  \"Hello\\r\\n\"\n"));
    EXPECT_THAT(out.str(), HasSubstr("PR_BODY_HTML                  0x1013001E    absent\n"
                                     "  Recipient To:  \"IT\" <helpdesk@corp.example>\n"
                                     "  Recipient Bcc: \"\" <x@example.org>\n"));
    EXPECT_THAT(out.str(), Not(HasSubstr("b-empty.eml")));
    EXPECT_THAT(errors.str(), HasSubstr("tarn4ol-sim: " + (dir / "b-empty.eml").string() + ": "));

    std::ostringstream quiet;
    EXPECT_EQ(RunDump({dir / "a-good.eml"}, out, quiet), exit_status::Success);
    EXPECT_EQ(quiet.str(), "");
}

}  // namespace
}  // namespace tarn::tools::sim
