// Timers on the factory's message-only window, fired by a GetMessage loop of the test's own
// (wine delivers WM_TIMER without a display). Waits end on a message arriving; the time limit
// only keeps a missing tick from hanging the tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/win32_timer_factory.h"
#include "tests/support/recorded_diagnostics.h"

namespace tarn::platform {
namespace {

using namespace std::chrono_literals;

// Dispatches messages until `done` holds; false when it still does not after ten seconds. A
// thread timer wakes GetMessage now and then so that the limit is noticed.
bool RunMessageLoopUntil(const std::function<bool()>& done) {
    const UINT_PTR wake = SetTimer(nullptr, 0, 100, nullptr);
    const ULONGLONG limit = GetTickCount64() + 10000;
    MSG message;
    while (!done() && GetTickCount64() < limit && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, wake);
    return done();
}

class Win32Timers : public ::testing::Test {
protected:
    std::unique_ptr<Timer> CountingTimer(std::chrono::milliseconds interval, int& ticks) {
        auto timer = factory.CreateTimer();
        timer->SetHandler([&ticks] { ++ticks; });
        timer->SetInterval(interval);
        timer->SetEnabled(true);
        return timer;
    }

    // Lets a 50 ms timer of its own tick a few times: long enough for any other 50 ms timer
    // that still ran to tick too.
    void LetTimeForTicksPass() {
        int witness_ticks = 0;
        const auto witness = CountingTimer(50ms, witness_ticks);
        ASSERT_TRUE(RunMessageLoopUntil([&] { return witness_ticks >= 4; }));
    }

    test_support::RecordedDiagnostics diagnostics;
    Win32TimerFactory factory{diagnostics};
};

TEST_F(Win32Timers, FireFromTheMessageLoopUntilStopped) {
    int ticks = 0;
    const auto timer = CountingTimer(1h, ticks);
    timer->SetInterval(50ms);  // applies at once
    ASSERT_TRUE(RunMessageLoopUntil([&] { return ticks >= 3; }));

    timer->SetEnabled(false);
    const int when_disabled = ticks;
    LetTimeForTicksPass();
    EXPECT_EQ(ticks, when_disabled);

    timer->SetEnabled(true);
    ASSERT_TRUE(RunMessageLoopUntil([&] { return ticks > when_disabled; }));
    timer->SetInterval(0ms);
    const int when_zeroed = ticks;
    LetTimeForTicksPass();
    EXPECT_EQ(ticks, when_zeroed);
}

TEST_F(Win32Timers, AHandlerMayDestroyItsOwnTimer) {
    int ticks = 0;
    std::unique_ptr<Timer> timer = factory.CreateTimer();
    timer->SetHandler([&] {
        ++ticks;
        timer.reset();
    });
    timer->SetInterval(50ms);
    timer->SetEnabled(true);
    ASSERT_TRUE(RunMessageLoopUntil([&] { return ticks >= 1; }));
    LetTimeForTicksPass();
    EXPECT_EQ(ticks, 1);
}

TEST_F(Win32Timers, AHandlerMayDestroyTheFactoryAndTheTimersOutliveIt) {
    auto doomed = std::make_unique<Win32TimerFactory>(diagnostics);
    int ticks = 0;
    const auto timer = doomed->CreateTimer();
    timer->SetHandler([&] {
        ++ticks;
        doomed.reset();
    });
    timer->SetInterval(50ms);
    timer->SetEnabled(true);
    ASSERT_TRUE(RunMessageLoopUntil([&] { return ticks >= 1; }));
    timer->SetEnabled(false);
    timer->SetEnabled(true);
    LetTimeForTicksPass();
    EXPECT_EQ(ticks, 1);
}

TEST_F(Win32Timers, AHandlerThatFailsIsRecordedAndTheTimerGoesOn) {
    int ticks = 0;
    const auto timer = factory.CreateTimer();
    timer->SetHandler([&] {
        ++ticks;
        throw std::runtime_error("report not written");
    });
    timer->SetInterval(50ms);
    timer->SetEnabled(true);
    ASSERT_TRUE(RunMessageLoopUntil([&] { return ticks >= 2; }));
    ASSERT_GE(diagnostics.Entries().size(), 2u);
    EXPECT_EQ(diagnostics.Entries()[0].place, "Timer");
    EXPECT_EQ(diagnostics.Entries()[0].failure, "report not written");
}

// Work posted for the message loop: never inside Post, in order, work posted by work after what
// already waits, and a failure recorded without costing the work after it.
TEST_F(Win32Timers, PostedWorkRunsFromTheMessageLoopInTheOrderPosted) {
    std::vector<std::string> ran;
    factory.Post([&] { ran.push_back("first"); });
    factory.Post([&] {
        ran.push_back("second");
        factory.Post([&] { ran.push_back("posted by the second"); });
        throw std::runtime_error("no window");
    });
    factory.Post([&] { ran.push_back("third"); });
    EXPECT_TRUE(ran.empty());
    ASSERT_TRUE(RunMessageLoopUntil([&] { return ran.size() >= 4; }));
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "third", "posted by the second"}));
    ASSERT_EQ(diagnostics.Entries().size(), 1u);
    EXPECT_EQ(diagnostics.Entries()[0].place, "Posted work");
}

TEST_F(Win32Timers, WorkStillWaitingWhenTheFactoryGoesIsDropped) {
    bool ran = false;
    {
        Win32TimerFactory short_lived{diagnostics};
        short_lived.Post([&] { ran = true; });
    }
    LetTimeForTicksPass();
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace tarn::platform
