#include "host/sim/sim_clock.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "host/sim/sim_outlook.h"
#include "host/sim/sim_timer.h"

namespace tarn::host::sim {

namespace {

using namespace std::chrono;

SimInstant ToInstant(const platform::LocalTime& time) {
    const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                              day{static_cast<unsigned>(time.day)}};
    const bool valid_time = time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 &&
                            time.second >= 0 && time.second < 60;
    if (!date.ok() || !valid_time) throw std::invalid_argument("not a date and time of day");
    return sys_days{date} + hours{time.hour} + minutes{time.minute} + seconds{time.second};
}

platform::LocalTime ToLocalTime(SimInstant instant) {
    const sys_days midnight = floor<days>(instant);
    const year_month_day date{midnight};
    const hh_mm_ss time_of_day{floor<seconds>(instant - midnight)};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time_of_day.hours().count()),
            static_cast<int>(time_of_day.minutes().count()),
            static_cast<int>(time_of_day.seconds().count())};
}

}  // namespace

SimClock::SimClock(SimOutlook& outlook, const platform::LocalTime& start) : outlook_(outlook), now_(ToInstant(start)) {}

SimClock::~SimClock() {
    for (const auto& timer : timers_)
        if (const auto alive = timer.lock()) alive->DetachClock();
}

platform::LocalTime SimClock::Now() { return ToLocalTime(now_); }

void SimClock::Sleep(std::chrono::milliseconds duration) { Advance(duration); }

void SimClock::Advance(std::chrono::milliseconds duration) {
    if (duration.count() < 0) throw std::invalid_argument("virtual time cannot go back");
    const SimInstant until = now_ + duration;
    std::erase_if(timers_, [](const auto& timer) { return timer.expired(); });

    // No tick runs before the queue is pumped, so each timer posts at most one tick here (the
    // others merge into it): only the first moment each falls due orders the posts.
    std::vector<std::pair<SimInstant, std::shared_ptr<SimTimerState>>> falling_due;
    for (const auto& timer : timers_) {
        auto alive = timer.lock();
        const auto due = alive->Due();
        if (due && *due <= until) falling_due.emplace_back(*due, std::move(alive));
    }
    std::ranges::stable_sort(falling_due, [](const auto& left, const auto& right) { return left.first < right.first; });
    for (const auto& entry : falling_due) entry.second->FallDue(until);
    now_ = until;
}

std::unique_ptr<platform::Timer> SimClock::CreateTimer() {
    auto state = std::make_shared<SimTimerState>(outlook_, *this);
    timers_.push_back(state);
    return std::make_unique<SimTimer>(std::move(state));
}

void SimClock::Post(std::function<void()> work) {
    outlook_.Post([alive = std::weak_ptr<bool>(alive_), work = std::move(work)] {
        if (alive.lock()) work();
    });
}

}  // namespace tarn::host::sim
