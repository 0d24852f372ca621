// A week in a user's life with today's Outlook: one process a day, each started, used and
// closed as Outlook 2010 to 365 close (the windows close, Quit comes, the process ends without
// OnBeginShutdown or OnDisconnection), and each next start finds every change of the day before.
// Also a day of Outlook 2007, a day ended in the COM Add-ins dialog, and a day killed between a
// change and its write. The start-up figures each day printed go into the README.
#include <windows.h>

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <fstream>

#include "rules/engine.h"
#include "rules/user_dictionary.h"
#include "tests/outlook/installation.h"
#include "tests/outlook/test_session.h"

namespace tarn::outlook {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::pair<std::string, std::string> BannedSenders{"BanSenders.tarn", "--++BANNED SENDERS++--\r\nspam.example\r\n"};
const std::pair<std::string, std::string> FriendSenders{"OKsenders.tarn",
                                                        "--++protected senders++--\r\nfriend@example.com\r\n"};

class Week : public ::testing::Test {
protected:
    void SetUp() override { installation.StartAfresh({BannedSenders, FriendSenders}); }

    // One day of Outlook in a process of its own; its output is kept for the test's checks.
    std::string Day(const std::wstring& script) {
        std::string output;
        const DWORD status = RunPumping(L"\"" TARN_OUTLOOK_DAY L"\" " + script, &output);
        const bool killed = output.find("killed") != std::string::npos;
        EXPECT_EQ(status, killed ? 9u : 0u) << output;
        std::istringstream lines(output);
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("start-up:") || line.starts_with("shutdown:")) std::cout << "[ week ] " << line << '\n';
        }
        return output;
    }
    std::string File(const std::string& name) const { return installation.ReadFile(name); }
    // How many texts the user taught the engine, as the lessons file counts them.
    std::uint32_t Lessons() const {
        const std::string file = File("tarnrules.user");
        if (file.size() < 24) return 0;
        std::uint32_t count = 0;
        for (int byte = 3; byte >= 0; --byte) count = (count << 8) | static_cast<unsigned char>(file[20 + static_cast<std::size_t>(byte)]);
        return count;
    }
    std::wstring Setting(const wchar_t* name) const {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Orvik' Tarn4OL\\Settings", name, RRF_RT_REG_DWORD, nullptr, &value,
                         &size) != ERROR_SUCCESS) {
            return L"none";
        }
        return std::to_wstring(value);
    }
    void Store(const wchar_t* name, DWORD value) const {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Orvik' Tarn4OL\\Settings", name, REG_DWORD, &value, sizeof value);
    }

    Installation& installation = InstalledAddin();
};

TEST_F(Week, EveryChangeOfADayIsThereAtTheNextStartThoughNoShutdownEverCame) {
    // Monday, the first start: the welcome, the scans, and a message to a colleague.
    const std::string monday = Day(L"sent:colleague@example.org exit");
    EXPECT_THAT(monday, HasSubstr("message box: Orvik' Tarn4OL Anti-Spam..."));
    EXPECT_THAT(monday, Not(HasSubstr("shutdown:")));
    EXPECT_THAT(File("OKsenders.tarn"), HasSubstr("colleague@example.org\r\n"));
    EXPECT_EQ(Setting(L"Load OL Addresses"), L"0");  // the scans are not repeated

    // Tuesday: no welcome; the user forbids a sender of three messages.
    const std::string tuesday = Day(L"foe:deals@shop.example:3 exit");
    EXPECT_THAT(tuesday, Not(HasSubstr("message box:")));
    EXPECT_THAT(File("BanSenders.tarn"), HasSubstr("deals@shop.example\r\n"));
    EXPECT_EQ(Lessons(), 3u);

    // Wednesday: seven lessons only, far from the engine's own save every 20.
    Day(L"foe:promo@other.example:7 exit");
    EXPECT_EQ(Lessons(), 10u);

    // Thursday: the user pauses the screening in the options and adds a banned sender there.
    Day(L"pause ban:phish@fraud.example exit");
    EXPECT_EQ(Setting(L"Paused"), L"1");
    EXPECT_THAT(File("BanSenders.tarn"), HasSubstr("phish@fraud.example\r\n"));

    // Friday: screening again, a report at each exit; spam arrives and Outlook closes.
    Store(L"Paused", 0);
    Store(L"Reporting Interval", 5);
    installation.Machine().StartCountingPages();
    Day(L"spam:offers@spam.example exit");
    EXPECT_THAT(File("FLUSH.htm"), HasSubstr("offers@spam.example"));
    EXPECT_EQ(installation.Machine().WaitForOpenedPages(1).size(), 1u);

    // Saturday: everything of the week is still there.
    EXPECT_THAT(File("OKsenders.tarn"), HasSubstr("colleague@example.org\r\n"));
    EXPECT_EQ(Lessons(), 10u);
    EXPECT_EQ(Setting(L"Reporting Interval"), L"5");
}

TEST_F(Week, AProcessKilledBetweenAChangeAndItsWriteLosesThatChangeAndNoFile) {
    Day(L"exit");  // the first start
    const std::string friends = File("OKsenders.tarn");
    // Killed within the moment a friend from sent mail waits before it is written.
    Day(L"sent:late@example.org kill");
    EXPECT_EQ(File("OKsenders.tarn"), friends);
    // The next day is whole: the friends file reads, and the next change is kept.
    Day(L"sent:next@example.org wait:2500 kill");
    EXPECT_THAT(File("OKsenders.tarn"), HasSubstr("next@example.org\r\n"));
    EXPECT_THAT(File("OKsenders.tarn"), HasSubstr("friend@example.com\r\n"));
}

TEST_F(Week, Outlook2007AndTheComAddInsDialogRunTheFullShutdownOnce) {
    Day(L"exit");
    Store(L"Reporting Interval", 5);
    installation.Machine().StartCountingPages();
    const std::string old = Day(L"--outlook 2007 spam:offers@spam.example foe:old@shop.example:1 exit");
    EXPECT_THAT(old, HasSubstr("shutdown:"));
    EXPECT_THAT(File("BanSenders.tarn"), HasSubstr("old@shop.example\r\n"));
    EXPECT_EQ(Lessons(), 1u);
    EXPECT_EQ(installation.Machine().WaitForOpenedPages(1).size(), 1u);

    installation.Machine().StartCountingPages();
    const std::string unticked = Day(L"spam:offers@spam.example disconnect");
    EXPECT_THAT(unticked, HasSubstr("shutdown:"));
    // One report: the shutdown's; the exit after it reaches an add-in no longer there.
    EXPECT_EQ(installation.Machine().WaitForOpenedPages(1).size(), 1u);
}

// A list file as the add-in writes it, with `count` made-up entries after its marker, none of
// which any message of the tests holds.
void WriteList(const std::filesystem::path& file, const std::string& marker, int count, bool senders) {
    std::vector<std::string> entries;
    for (int n = 0; n < count; ++n) {
        const std::string number = std::to_string(1000000 + n);
        entries.push_back(senders ? "s" + number + "@bulk.example" : "zq" + number);
    }
    std::sort(entries.begin(), entries.end());
    std::ofstream out(file, std::ios::binary);
    out << marker << "\r\n";
    for (const auto& entry : entries) out << entry << "\r\n";
}

// What a user who taught the engine `count` times over the years leaves: taught in memory and
// written once, as the engine's own saves would write the growing file thousands of times.
void WriteLessons(const std::filesystem::path& folder, int count) {
    rules::Engine engine;
    ASSERT_TRUE(engine.Load(folder / "tarnrules.dict"));
    for (int n = 0; n < count; ++n) {
        const std::string mark = std::to_string(n);
        engine.Learn("Subject: lesson " + mark + "\r\n\r\nnote" + mark + " about item" + mark + " for desk" + mark,
                     n % 2 == 1);
    }
    const auto bytes = rules::WriteUserDictionary(engine.Taught().File());
    std::ofstream(folder / "tarnrules.user", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(Week, AStartWithListsOfTenThousandAndAHundredThousandLessonsPrintsItsTime) {
    WriteList(installation.Folder() / "protected.tarn", "--++protect++--", 10000, false);
    WriteList(installation.Folder() / "forbidden.tarn", "--++forbidden++--", 10000, false);
    WriteList(installation.Folder() / "OKsenders.tarn", "--++protected senders++--", 10000, true);
    WriteList(installation.Folder() / "BanSenders.tarn", "--++BANNED SENDERS++--", 10000, true);
    WriteLessons(installation.Folder(), 100000);
    ASSERT_EQ(Lessons(), 100000u);
    std::cout << "[ week ] lists of 10,000 entries each and 100,000 lessons: the first start\n";
    Day(L"exit");
    std::cout << "[ week ] the same, a later start whose user forbids a sender\n";
    Day(L"foe:big@shop.example:1 exit");
    EXPECT_EQ(Lessons(), 100001u);
    EXPECT_THAT(File("BanSenders.tarn"), HasSubstr("big@shop.example\r\n"));
}

}  // namespace
}  // namespace tarn::outlook
