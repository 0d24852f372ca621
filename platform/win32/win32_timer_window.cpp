#include "platform/win32/win32_timer_window.h"

#include "platform/win32/own_module.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace tarn::platform {

namespace {

constexpr const wchar_t* WindowClassName = L"Tarn4OL Timers";
// Tells the window that posted work waits.
constexpr UINT RunPostedMessage = WM_APP + 1;

}  // namespace

std::shared_ptr<Win32TimerWindow> Win32TimerWindow::Create(Diagnostics& diagnostics) {
    const HINSTANCE module = OwnModule();
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = module;
    window_class.lpszClassName = WindowClassName;
    // Another factory of this module may have registered the class already.
    if (RegisterClassExW(&window_class) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("cannot register the timer window class (error " + std::to_string(GetLastError()) +
                                 ")");
    }
    const HWND window = CreateWindowExW(0, WindowClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    if (window == nullptr) {
        throw std::runtime_error("cannot create the timer window (error " + std::to_string(GetLastError()) + ")");
    }
    std::shared_ptr<Win32TimerWindow> timers(new Win32TimerWindow(window, diagnostics));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(timers.get()));
    return timers;
}

Win32TimerWindow::~Win32TimerWindow() {
    DestroyWindow(window_);
    // Windows keeps a library's classes after it unloads; this fails while another factory's
    // window still uses the class, and the last one takes it away.
    UnregisterClassW(WindowClassName, OwnModule());
}

UINT_PTR Win32TimerWindow::AddTimer() {
    timers_.emplace(++last_id_, Timer{});
    return last_id_;
}

void Win32TimerWindow::SetInterval(UINT_PTR id, std::chrono::milliseconds interval) {
    Timer& timer = timers_.at(id);
    timer.interval = interval;
    Apply(id, timer);
}

void Win32TimerWindow::SetHandler(UINT_PTR id, std::function<void()> handler) {
    timers_.at(id).handler = std::move(handler);
}

void Win32TimerWindow::SetEnabled(UINT_PTR id, bool enabled) {
    Timer& timer = timers_.at(id);
    if (timer.enabled == enabled) return;
    timer.enabled = enabled;
    Apply(id, timer);
}

void Win32TimerWindow::RemoveTimer(UINT_PTR id) {
    KillTimer(window_, id);
    timers_.erase(id);
}

void Win32TimerWindow::Post(std::function<void()> work) {
    posted_.push_back(std::move(work));
    if (posted_.size() == 1 && !PostMessageW(window_, RunPostedMessage, 0, 0)) {
        posted_.pop_back();
        throw std::runtime_error("cannot post work to the message loop (error " + std::to_string(GetLastError()) + ")");
    }
}

void Win32TimerWindow::RunPosted() {
    // Work posted by the work runs at the next message, after what waits now.
    const auto keep_alive = shared_from_this();
    std::deque<std::function<void()>> waiting;
    waiting.swap(posted_);
    while (!waiting.empty()) {
        const std::function<void()> work = std::move(waiting.front());
        waiting.pop_front();
        Contain(diagnostics_, "Posted work", work);
    }
}

void Win32TimerWindow::Apply(UINT_PTR id, const Timer& timer) {
    if (!timer.Running()) {
        KillTimer(window_, id);
        return;
    }
    const auto interval = std::min<std::chrono::milliseconds::rep>(timer.interval.count(), USER_TIMER_MAXIMUM);
    SetTimer(window_, id, static_cast<UINT>(interval), nullptr);
}

LRESULT CALLBACK Win32TimerWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* timers = reinterpret_cast<Win32TimerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (timers == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    if (message == RunPostedMessage) {
        timers->RunPosted();
        return 0;
    }
    if (message != WM_TIMER) return DefWindowProcW(window, message, wparam, lparam);
    // Nothing may leave a window procedure: the failure stops this tick, not the next one.
    Contain(timers->diagnostics_, "Timer", [&] { timers->Tick(static_cast<UINT_PTR>(wparam)); });
    return 0;
}

void Win32TimerWindow::Tick(UINT_PTR id) {
    const auto found = timers_.find(id);
    if (found == timers_.end() || !found->second.Running()) return;
    // Copies: the handler may change or destroy its own timer, or the factory with this window.
    const auto keep_alive = shared_from_this();
    const std::function<void()> handler = found->second.handler;
    if (handler) handler();
}

}  // namespace tarn::platform
