// The computer's clock and the user's regional formats, as wine (or Windows) gives them.
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <cstdlib>

#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_locale_format.h"

namespace tarn::platform {
namespace {

using namespace std::chrono;

TEST(Win32Clock, GivesTodaysDateAndATimeOfDay) {
    Win32Clock clock;
    const LocalTime now = clock.Now();
    // Local time is within a day of universal time in every time zone.
    const sys_days today = floor<days>(system_clock::now());
    const sys_days local{year{now.year} / now.month / now.day};
    EXPECT_LE(std::abs((local - today).count()), 1);
    EXPECT_TRUE(now.hour >= 0 && now.hour < 24 && now.minute >= 0 && now.minute < 60 && now.second >= 0 &&
                now.second < 60);
    clock.Sleep(milliseconds{-1});  // returns at once instead of waiting forever
}

TEST(Win32LocaleFormat, WritesTheDateAndTimeOfDayButTheDateAloneAtMidnight) {
    Win32LocaleFormat format;
    const std::string moment = format.DateTimeText({2026, 5, 20, 9, 5, 3});
    const std::string midnight = format.DateTimeText({2026, 5, 20, 0, 0, 0});
    EXPECT_NE(midnight.find("2026"), std::string::npos) << midnight;
    EXPECT_TRUE(moment.starts_with(midnight + " ")) << moment << " | " << midnight;
    EXPECT_NE(moment.find("05"), std::string::npos) << moment;  // the minutes
    EXPECT_TRUE(std::ispunct(static_cast<unsigned char>(format.DecimalSeparator())));
}

}  // namespace
}  // namespace tarn::platform
