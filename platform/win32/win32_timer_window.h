#pragma once

#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "platform/diagnostics.h"

namespace tarn::platform {

// A hidden message-only window of the user-interface thread that carries the add-in's timers:
// each timer is a SetTimer on it under an id of its own, and its window procedure runs the
// handler of the timer a WM_TIMER names. Ids are never used twice, and a timer that is stopped
// or gone ignores a WM_TIMER still on its way. Posted work waits in a queue of the window's,
// and one posted message tells the window procedure to run it.
//
// Made and used on the thread whose message loop runs the handlers; always held by a shared_ptr
// (Create), which a running handler keeps alive in case it destroys the factory.
class Win32TimerWindow : public std::enable_shared_from_this<Win32TimerWindow> {
public:
    // A handler's failure never leaves the window procedure: it is recorded in `diagnostics`,
    // which must outlive the window. Throws std::runtime_error when the window cannot be made.
    static std::shared_ptr<Win32TimerWindow> Create(Diagnostics& diagnostics);
    ~Win32TimerWindow();
    Win32TimerWindow(const Win32TimerWindow&) = delete;
    Win32TimerWindow& operator=(const Win32TimerWindow&) = delete;

    // A new timer: disabled, interval 0, no handler.
    UINT_PTR AddTimer();
    // Setting the interval restarts the period, as SetTimer does.
    void SetInterval(UINT_PTR id, std::chrono::milliseconds interval);
    void SetHandler(UINT_PTR id, std::function<void()> handler);
    void SetEnabled(UINT_PTR id, bool enabled);
    void RemoveTimer(UINT_PTR id);
    // Queues work for the message loop; raises std::runtime_error when the message cannot be
    // posted (the queue is full), the work dropped.
    void Post(std::function<void()> work);

private:
    struct Timer {
        std::chrono::milliseconds interval{0};
        std::function<void()> handler;
        bool enabled = false;
        bool Running() const noexcept { return enabled && interval.count() > 0; }
    };

    Win32TimerWindow(HWND window, Diagnostics& diagnostics) noexcept : window_(window), diagnostics_(diagnostics) {}
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    // SetTimer while the timer runs, KillTimer otherwise.
    void Apply(UINT_PTR id, const Timer& timer);
    void Tick(UINT_PTR id);
    void RunPosted();

    HWND window_;
    Diagnostics& diagnostics_;
    UINT_PTR last_id_ = 0;
    std::map<UINT_PTR, Timer> timers_;
    std::deque<std::function<void()>> posted_;
};

}  // namespace tarn::platform
