#include "host/sim/sim_timer.h"

#include <utility>

#include "host/sim/sim_outlook.h"

namespace tarn::host::sim {

void SimTimerState::SetInterval(std::chrono::milliseconds interval) {
    interval_ = interval;
    Restart();
}

void SimTimerState::SetHandler(std::function<void()> handler) { handler_ = std::move(handler); }

void SimTimerState::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Restart();
}

std::optional<SimInstant> SimTimerState::Due() const {
    if (!Running()) return std::nullopt;
    return due_;
}

void SimTimerState::FallDue(SimInstant until) {
    if (!tick_waiting_) {
        tick_waiting_ = true;
        outlook_.Post([timer = weak_from_this(), generation = generation_] {
            if (const auto alive = timer.lock()) alive->Tick(generation);
        });
    }
    due_ += interval_ * ((until - due_) / interval_ + 1);
}

void SimTimerState::Restart() {
    TakeBackTick();
    if (Running()) due_ = clock_->Instant() + interval_;
}

void SimTimerState::TakeBackTick() noexcept {
    tick_waiting_ = false;
    ++generation_;
}

void SimTimerState::Tick(unsigned long generation) {
    if (generation != generation_) return;
    tick_waiting_ = false;
    // A copy, so that the handler may replace itself or destroy the timer while it runs (the
    // posted tick holds the state alive until it returns).
    const std::function<void()> handler = handler_;
    if (handler) handler();
}

}  // namespace tarn::host::sim
