#include "platform/win32/win32_timer_factory.h"

#include <utility>

#include "platform/win32/win32_timer_window.h"

namespace tarn::platform {

namespace {

// One timer of the window, by its id; destroying it destroys the timer.
class Win32Timer final : public Timer {
public:
    explicit Win32Timer(const std::shared_ptr<Win32TimerWindow>& window) : window_(window), id_(window->AddTimer()) {}
    ~Win32Timer() override {
        if (const auto window = window_.lock()) window->RemoveTimer(id_);
    }
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

    void SetInterval(std::chrono::milliseconds interval) override {
        if (const auto window = window_.lock()) window->SetInterval(id_, interval);
    }
    void SetHandler(std::function<void()> handler) override {
        if (const auto window = window_.lock()) window->SetHandler(id_, std::move(handler));
    }
    void SetEnabled(bool enabled) override {
        if (const auto window = window_.lock()) window->SetEnabled(id_, enabled);
    }

private:
    std::weak_ptr<Win32TimerWindow> window_;
    UINT_PTR id_;
};

}  // namespace

Win32TimerFactory::Win32TimerFactory(Diagnostics& diagnostics) : window_(Win32TimerWindow::Create(diagnostics)) {}

Win32TimerFactory::~Win32TimerFactory() = default;

std::unique_ptr<Timer> Win32TimerFactory::CreateTimer() { return std::make_unique<Win32Timer>(window_); }

void Win32TimerFactory::Post(std::function<void()> work) { window_->Post(std::move(work)); }

}  // namespace tarn::platform
