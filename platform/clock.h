#pragma once

#include <chrono>

namespace tarn::platform {

// A moment in the user's local time.
struct LocalTime {
    int year = 2000;
    int month = 1;   // 1 to 12
    int day = 1;     // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const LocalTime&) const = default;
};

// The time of day and waiting, as the add-in sees them. The simulator's clock is one it moves
// itself, so that waits cost no real time and reports carry a known date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() = 0;
    // Waits without pumping messages (the user interface does not answer meanwhile).
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace tarn::platform
