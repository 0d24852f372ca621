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

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    // A new timer, disabled, interval 0, without a handler.
    virtual std::unique_ptr<Timer> CreateTimer() = 0;
};

}  // namespace tarn::platform
