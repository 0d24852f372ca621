#pragma once

#include <memory>

#include "platform/diagnostics.h"
#include "platform/timer.h"

namespace tarn::platform {

class Win32TimerWindow;

// Timers of the user-interface thread, on a hidden message-only window the factory makes: their
// handlers run from the thread's message loop (Outlook's, or a MessagePump). Make the factory
// and its timers on that thread. Timers may outlive the factory: they then never fire.
class Win32TimerFactory final : public TimerFactory {
public:
    // A handler's failure is contained and recorded; the diagnostics outlive every timer.
    // Throws std::runtime_error when the window cannot be made.
    explicit Win32TimerFactory(Diagnostics& diagnostics);
    ~Win32TimerFactory() override;
    Win32TimerFactory(const Win32TimerFactory&) = delete;
    Win32TimerFactory& operator=(const Win32TimerFactory&) = delete;

    std::unique_ptr<Timer> CreateTimer() override;
    void Post(std::function<void()> work) override;

private:
    std::shared_ptr<Win32TimerWindow> window_;
};

}  // namespace tarn::platform
