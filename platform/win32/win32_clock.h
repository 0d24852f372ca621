#pragma once

#include "platform/clock.h"

namespace tarn::platform {

// The computer's local time and a real wait.
class Win32Clock final : public Clock {
public:
    LocalTime Now() override;
    // A negative duration waits not at all; one beyond the longest finite wait is cut to it.
    void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace tarn::platform
