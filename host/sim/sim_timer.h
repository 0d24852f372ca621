#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "host/sim/sim_clock.h"
#include "platform/timer.h"

namespace tarn::host::sim {

// One timer of the simulator (see SimClock for how timers behave). The Timer handed to the
// add-in owns it; the clock's schedule and a waiting tick hold it weakly, so that a destroyed
// timer neither falls due nor ticks.
class SimTimerState : public std::enable_shared_from_this<SimTimerState> {
public:
    SimTimerState(SimOutlook& outlook, const SimClock& clock) : outlook_(outlook), clock_(&clock) {}

    void SetInterval(std::chrono::milliseconds interval);
    void SetHandler(std::function<void()> handler);
    void SetEnabled(bool enabled);

    // The next moment the timer falls due; none while it is stopped.
    std::optional<SimInstant> Due() const;
    // Virtual time has reached `until`, at or after Due(): posts a tick unless one is waiting,
    // and moves Due() to the first period end after `until`.
    void FallDue(SimInstant until);
    // The clock is going away: the timer keeps its settings but never falls due again.
    void DetachClock() noexcept { clock_ = nullptr; }

private:
    bool Running() const noexcept { return clock_ != nullptr && enabled_ && interval_.count() > 0; }
    // A new period from the clock's present moment; takes back a waiting tick.
    void Restart();
    void TakeBackTick() noexcept;
    void Tick(unsigned long generation);

    SimOutlook& outlook_;
    const SimClock* clock_;
    std::chrono::milliseconds interval_{0};
    std::function<void()> handler_;
    bool enabled_ = false;
    SimInstant due_;
    bool tick_waiting_ = false;
    // Counts the ticks taken back: a posted tick of an earlier generation does nothing.
    unsigned long generation_ = 0;
};

// The Timer handed to the add-in: destroying it destroys the timer.
class SimTimer final : public platform::Timer {
public:
    explicit SimTimer(std::shared_ptr<SimTimerState> state) : state_(std::move(state)) {}

    void SetInterval(std::chrono::milliseconds interval) override { state_->SetInterval(interval); }
    void SetHandler(std::function<void()> handler) override { state_->SetHandler(std::move(handler)); }
    void SetEnabled(bool enabled) override { state_->SetEnabled(enabled); }

private:
    std::shared_ptr<SimTimerState> state_;
};

}  // namespace tarn::host::sim
