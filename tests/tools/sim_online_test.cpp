// tarn4ol-sim --online: the whole add-in on a stream of ham and spam, the user correcting the
// wrong verdicts with the friend and foe buttons.
#include <gmock/gmock.h>

#include <string>

#include "tests/tools/sim_runner.h"
#include "tools/sim/command_line.h"

namespace tarn::tools::sim {
namespace {

using ::testing::HasSubstr;

std::string Message(const std::string& from, const std::string& subject, const std::string& body) {
    return "From: " + from + "\r\nTo: tom@example.com\r\nSubject: " + subject +
           "\r\nDate: Mon, 5 May 2025 10:00:00 +0000\r\nContent-Type: text/plain; charset=us-ascii\r\n\r\n" + body +
           "\r\n";
}

TEST(SimulatorOnline, TheUsersFoeMarkOnAMissedCampaignCatchesTheRestOfIt) {
    test_support::TempDir dir;
    // A campaign the shipped dictionary does not know, from one sender, and the user's ham.
    for (int n = 0; n < 6; ++n) {
        dir.Write("spam/" + std::to_string(n) + ".eml",
                  Message("deals@quiet-offers.example", "A note about your order " + std::to_string(n),
                          "Hello, your order is ready. Kind regards, the team"));
        dir.Write("ham/" + std::to_string(n) + ".eml",
                  Message("ann@example.com", "Minutes of the meeting " + std::to_string(n),
                          "Here are the minutes of Monday's planning meeting, with the action items."));
    }
    std::filesystem::create_directories(dir / "state");
    const SimRun run = Simulate(dir, "--online --ham '" + (dir / "ham").string() + "' --spam '" +
                                         (dir / "spam").string() + "'", "");
    EXPECT_EQ(WEXITSTATUS(run.status), 0) << run.out;
    EXPECT_THAT(run.out, HasSubstr("Online: 12 messages in the stream order"));
    // The first of each kind is corrected (the first ham was unsure), and the marks' lists
    // decide the rest.
    EXPECT_THAT(run.out, HasSubstr("Corrections (lessons on error or unsure): 2\n")) << run.out;
    EXPECT_THAT(run.out, HasSubstr("spam 6, caught 5 (83.33%)"));
    EXPECT_THAT(run.out, HasSubstr("5 ham passed as a friend's, 5 spam caught as a banned sender's"));
    EXPECT_THAT(dir.Read("state/OKsenders.tarn"), HasSubstr("ann@example.com"));
    EXPECT_THAT(dir.Read("state/BanSenders.tarn"), HasSubstr("deals@quiet-offers.example"));
    EXPECT_THAT(dir.Read("state/tarnrules.user"), ::testing::StartsWith("TARNUSER"));
}

TEST(SimulatorOnline, TheCommandLineTakesHamAndSpamWithOnlineOnly) {
    const auto command = ParseCommandLine({"--online", "--ham", "h", "--spam", "s", "--set", "Learning=0"});
    EXPECT_EQ(command.mode, Mode::Online);
    EXPECT_EQ(command.ham_mailboxes, std::vector<std::filesystem::path>{"h"});
    for (const std::vector<std::string_view>& wrong : std::vector<std::vector<std::string_view>>{
             {"--online"}, {"--online", "--ham", "h"}, {"--ham", "h", "--spam", "s"},
             {"--online", "--ham", "h", "--spam", "s", "mailbox"}, {"--online", "--ham", "h", "--spam", "s", "--json"},
             {"--online", "--ham", "h", "--spam", "s", "--click", "btnAbout"}}) {
        EXPECT_THROW(ParseCommandLine(wrong), UsageError) << wrong.size();
    }
}

}  // namespace
}  // namespace tarn::tools::sim
