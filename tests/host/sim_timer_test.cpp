#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "host/sim/sim_clock.h"
#include "host/sim/sim_outlook.h"

namespace tarn::host::sim {
namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

class SimTimers : public ::testing::Test {
protected:
    // An enabled timer that records the minute of each tick under its name.
    std::unique_ptr<platform::Timer> Make(std::chrono::milliseconds interval, const std::string& name = "tick") {
        auto timer = clock.CreateTimer();
        timer->SetHandler([this, name] { ticks.push_back(name + std::to_string(clock.Now().minute)); });
        timer->SetInterval(interval);
        timer->SetEnabled(true);
        return timer;
    }

    // Advances in steps, pumping after each, as Outlook's message loop would.
    void RunFor(std::chrono::minutes duration, std::chrono::minutes step = 1min) {
        for (std::chrono::minutes passed{0}; passed < duration; passed += step) {
            clock.Advance(step);
            outlook.PumpEvents();
        }
    }

    SimOutlook outlook;
    SimClock clock{outlook, {2026, 5, 20, 9, 0, 0}};
    Strings ticks;
};

TEST_F(SimTimers, FireOncePerIntervalWhenThePumpKeepsUp) {
    const auto timer = Make(15min);
    RunFor(1h, 15min);
    EXPECT_EQ(ticks, (Strings{"tick15", "tick30", "tick45", "tick0"}));
    ticks.clear();
    RunFor(1h, 4min);  // steps that do not divide the interval: the periods keep their rhythm
    EXPECT_EQ(ticks, (Strings{"tick16", "tick32", "tick48", "tick0"}));
}

TEST_F(SimTimers, TicksWaitForThePumpAndMergeWhileTheyWait) {
    const auto timer = Make(15min);
    for (int step = 0; step < 4; ++step) clock.Sleep(15min);
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(outlook.PendingEvents(), 1u);
    clock.Advance(24h);
    EXPECT_EQ(outlook.PendingEvents(), 1u);
    outlook.PumpEvents();
    EXPECT_EQ(ticks, Strings{"tick0"});
    RunFor(15min);
    EXPECT_EQ(ticks, (Strings{"tick0", "tick15"}));
}

TEST_F(SimTimers, OnlyAnEnabledTimerWithAnIntervalFires) {
    const auto fresh = clock.CreateTimer();  // disabled, interval 0, no handler
    fresh->SetEnabled(true);
    const auto disabled = Make(1min);
    disabled->SetEnabled(false);
    const auto zero = Make(0ms);
    RunFor(1h);
    EXPECT_TRUE(ticks.empty());
    fresh->SetInterval(1min);
    clock.Advance(1min);
    EXPECT_EQ(outlook.PumpEvents(), 1);  // the tick came and, without a handler, did nothing
    EXPECT_TRUE(ticks.empty());
}

TEST_F(SimTimers, SettingTheIntervalOrReenablingRestartsThePeriod) {
    const auto timer = Make(10min);
    RunFor(8min);
    timer->SetInterval(10min);
    RunFor(5min);
    timer->SetEnabled(true);  // already enabled: no restart
    RunFor(5min);
    RunFor(8min);
    timer->SetEnabled(false);
    timer->SetEnabled(true);
    RunFor(10min);
    EXPECT_EQ(ticks, (Strings{"tick18", "tick36"}));
}

TEST_F(SimTimers, StoppingOrChangingATimerTakesBackItsWaitingTick) {
    const auto disabled = Make(1min, "disabled");
    const auto zeroed = Make(1min, "zeroed");
    const auto changed = Make(1min, "changed");
    auto destroyed = Make(1min, "destroyed");
    const auto restarted = Make(1min, "restarted");
    clock.Advance(1min);
    disabled->SetEnabled(false);
    zeroed->SetInterval(0ms);
    changed->SetInterval(2min);
    destroyed.reset();
    restarted->SetEnabled(false);
    restarted->SetEnabled(true);
    clock.Advance(1min);  // a new tick behind the taken-back one
    outlook.PumpEvents();
    EXPECT_EQ(ticks, Strings{"restarted2"});
}

TEST_F(SimTimers, TicksArePostedInTheOrderTimersFallDue) {
    const auto late = Make(7min, "7 min at ");
    const auto early = Make(3min, "3 min at ");
    const auto early_too = Make(3min, "3 min, made later, at ");
    clock.Advance(10min);
    outlook.PumpEvents();
    EXPECT_EQ(ticks, (Strings{"3 min at 10", "3 min, made later, at 10", "7 min at 10"}));
}

TEST_F(SimTimers, AHandlerMayChangeOrDestroyItsOwnTimer) {
    std::unique_ptr<platform::Timer> timer = clock.CreateTimer();
    const std::string name = "first handler";  // data of the handler's own, gone with it
    timer->SetHandler([&, name] {
        ticks.push_back(name);
        if (ticks.size() == 1) timer->SetInterval(20min);
        if (ticks.size() == 2) {
            timer->SetHandler([&] {
                ticks.push_back("second handler at " + std::to_string(clock.Now().minute));
                timer.reset();
            });
            ticks.push_back(name + " replaced at " + std::to_string(clock.Now().minute));
        }
    });
    timer->SetInterval(10min);
    timer->SetEnabled(true);
    RunFor(2h);
    EXPECT_EQ(ticks, (Strings{"first handler", "first handler", "first handler replaced at 30",
                              "second handler at 50"}));
}

TEST_F(SimTimers, TimersMayOutliveTheirClock) {
    auto short_lived = std::make_unique<SimClock>(outlook);
    const auto timer = short_lived->CreateTimer();
    timer->SetHandler([this] { ticks.push_back("after its clock"); });
    timer->SetInterval(1min);
    timer->SetEnabled(true);
    short_lived.reset();
    // Setting it reads no clock any more (the sanitizers would catch a dangling one), and it
    // never fires again.
    timer->SetInterval(2min);
    timer->SetEnabled(true);
    RunFor(10min);
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(outlook.PendingEvents(), 0u);
}

TEST_F(SimTimers, PostedWorkWaitsForThePumpAndGoesWithItsClock) {
    clock.Post([this] { ticks.push_back("posted"); });
    EXPECT_TRUE(ticks.empty());  // never inside Post
    outlook.PumpEvents();
    EXPECT_EQ(ticks, Strings{"posted"});

    auto short_lived = std::make_unique<SimClock>(outlook);
    short_lived->Post([this] { ticks.push_back("of a clock that went"); });
    short_lived.reset();
    outlook.PumpEvents();
    EXPECT_EQ(ticks, Strings{"posted"});
}

}  // namespace
}  // namespace tarn::host::sim
