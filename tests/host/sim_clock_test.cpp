#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <stdexcept>

#include "host/sim/sim_clock.h"
#include "host/sim/sim_outlook.h"

namespace tarn::platform {
static void PrintTo(const LocalTime& t, std::ostream* out) {
    *out << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute << ':' << t.second;
}
}  // namespace tarn::platform

namespace tarn::host::sim {
namespace {

using namespace std::chrono_literals;
using platform::LocalTime;

TEST(SimClock, StartsAtARealMomentOnly) {
    SimOutlook outlook;
    EXPECT_EQ(SimClock(outlook).Now(), (LocalTime{2026, 5, 20, 9, 0, 0}));
    EXPECT_EQ(SimClock(outlook, {2024, 2, 29, 23, 59, 59}).Now(), (LocalTime{2024, 2, 29, 23, 59, 59}));
    EXPECT_THROW(SimClock(outlook, {2025, 2, 29, 0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(SimClock(outlook, {2026, 4, 31, 0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(SimClock(outlook, {2026, 5, 20, 24, 0, 0}), std::invalid_argument);
}

TEST(SimClock, AdvancesThroughDaysMonthsAndLeapYears) {
    SimOutlook outlook;
    SimClock clock(outlook, {2026, 5, 20, 23, 59, 59});
    clock.Advance(999ms);
    EXPECT_EQ(clock.Now(), (LocalTime{2026, 5, 20, 23, 59, 59}));
    clock.Advance(1ms);
    EXPECT_EQ(clock.Now(), (LocalTime{2026, 5, 21, 0, 0, 0}));
    clock.Advance(std::chrono::days{10} + 1h + 2min + 3s);
    EXPECT_EQ(clock.Now(), (LocalTime{2026, 5, 31, 1, 2, 3}));
    clock.Advance(23h);
    EXPECT_EQ(clock.Now(), (LocalTime{2026, 6, 1, 0, 2, 3}));

    SimClock leap(outlook, {2024, 2, 28, 12, 0, 0});
    leap.Advance(48h);
    EXPECT_EQ(leap.Now(), (LocalTime{2024, 3, 1, 12, 0, 0}));
    SimClock century(outlook, {2100, 2, 28, 12, 0, 0});  // no leap year
    century.Advance(24h);
    EXPECT_EQ(century.Now(), (LocalTime{2100, 3, 1, 12, 0, 0}));
    SimClock year_end(outlook, {2026, 12, 31, 18, 0, 0});
    year_end.Sleep(std::chrono::days{365} + 6h);
    EXPECT_EQ(year_end.Now(), (LocalTime{2028, 1, 1, 0, 0, 0}));
}

TEST(SimClock, NeverGoesBack) {
    SimOutlook outlook;
    SimClock clock(outlook);
    EXPECT_THROW(clock.Advance(-1ms), std::invalid_argument);
    EXPECT_THROW(clock.Sleep(-1ms), std::invalid_argument);
    EXPECT_EQ(clock.Now(), SimClock::DefaultStart);
}

}  // namespace
}  // namespace tarn::host::sim
