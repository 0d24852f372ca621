#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace tarn::platform {

// A timer of the user-interface thread: its handler runs from the message loop, never nested
// in other work except through a message pump. An interval of 0 never fires.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void SetInterval(std::chrono::milliseconds interval) = 0;
    virtual void SetHandler(std::function<void()> handler) = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

// The user-interface thread's message loop as a clock: timers, and work posted to run from the
// loop as soon as it next gets its turn (after whatever the thread is doing now has returned).
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // A new timer, disabled, interval 0, without a handler.
    virtual std::unique_ptr<Timer> CreateTimer() = 0;
    // Runs `work` once from the message loop, in the order posted; never inside this call. Work
    // still waiting when the factory goes is dropped. The work contains its own failures.
    virtual void Post(std::function<void()> work) = 0;
};

}  // namespace tarn::platform
