#pragma once

#include <cstddef>
#include <deque>
#include <functional>

namespace tarn::host::sim {

// Outlook raises its events from its message loop, never inside the call that caused them.
// The test host queues them here and delivers them when the test (or the add-in, pumping
// messages inside a long command) pumps.
class EventQueue {
public:
    void Post(std::function<void()> event);

    // Runs queued events in order until none is left, events queued meanwhile included.
    // Re-entrant: an event may pump again, and the nested pump runs the events behind it.
    // Returns how many events ran during this call, nested pumps included. An exception from
    // an event leaves the pump; the events behind it stay queued.
    long Pump();

    std::size_t Pending() const noexcept { return queue_.size(); }

private:
    std::deque<std::function<void()>> queue_;
    long dispatched_ = 0;
};

}  // namespace tarn::host::sim
