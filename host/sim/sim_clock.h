#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/timer.h"

namespace tarn::host::sim {

class SimOutlook;
class SimTimerState;

// A moment of the simulator's virtual local time (a calendar without time zones or daylight
// saving changes), to the millisecond.
using SimInstant = std::chrono::sys_time<std::chrono::milliseconds>;

// The simulator's time and the timers that run on it. Time moves only when told (Sleep,
// Advance), at no real cost, and as it passes the timers that fall due post their ticks to the
// SimOutlook's event queue, as Windows leaves WM_TIMER in the message queue: nothing runs until
// the queue is pumped.
//
// Timers behave as Windows timers: enabled with an interval above 0, one falls due every
// interval; at most one of its ticks waits in the queue at a time (later ones are merged into
// it); setting the interval restarts the period; disabling it, setting the interval to 0 or
// destroying it takes back a waiting tick. A handler may change or destroy its own timer.
//
// The SimOutlook must outlive the clock. Timers may outlive it: they then never fall due.
class SimClock final : public platform::Clock, public platform::TimerFactory {
public:
    static constexpr platform::LocalTime DefaultStart{2026, 5, 20, 9, 0, 0};

    // Throws std::invalid_argument when `start` is no real date and time of day.
    explicit SimClock(SimOutlook& outlook, const platform::LocalTime& start = DefaultStart);
    ~SimClock() override;
    SimClock(const SimClock&) = delete;
    SimClock& operator=(const SimClock&) = delete;

    platform::LocalTime Now() override;
    // The same as Advance: the simulated program waits, virtual time passes.
    void Sleep(std::chrono::milliseconds duration) override;
    // Moves virtual time forward, posting the ticks of the timers that fall due meanwhile in
    // the order they fall due. Throws std::invalid_argument for a negative duration.
    void Advance(std::chrono::milliseconds duration);
    SimInstant Instant() const noexcept { return now_; }

    std::unique_ptr<platform::Timer> CreateTimer() override;
    // Queues the work on the SimOutlook's event queue.
    void Post(std::function<void()> work) override;

private:
    SimOutlook& outlook_;
    SimInstant now_;
    // In the order the timers were made, which orders ticks falling due at the same moment.
    std::vector<std::weak_ptr<SimTimerState>> timers_;
    // Posted work still waiting holds it weakly: work of a clock that is gone is dropped.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tarn::host::sim
