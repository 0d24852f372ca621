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

    // Told whenever an event is queued, so that a message loop of the host's own can deliver it
    // (the stand-in Outlook posts itself a window message, which whatever loop runs then
    // dispatches: the add-in's own pump inside a long command too).
    void OnPosted(std::function<void()> listener) { on_posted_ = std::move(listener); }

private:
    std::deque<std::function<void()>> queue_;
    std::function<void()> on_posted_;
    long dispatched_ = 0;
};

}  // namespace tarn::host::sim
