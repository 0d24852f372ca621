#include "host/sim/event_queue.h"

#include <utility>

namespace tarn::host::sim {

void EventQueue::Post(std::function<void()> event) {
    queue_.push_back(std::move(event));
    if (on_posted_) on_posted_();
}

long EventQueue::Pump() {
    const long before = dispatched_;
    while (!queue_.empty()) {
        // Taken off the queue before it runs, so that a nested pump starts with the next one.
        const std::function<void()> event = std::move(queue_.front());
        queue_.pop_front();
        ++dispatched_;
        event();
    }
    return dispatched_ - before;
}

}  // namespace tarn::host::sim
