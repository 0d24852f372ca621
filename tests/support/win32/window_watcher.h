#pragma once

#include <windows.h>

#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace tarn::test_support {

// A user at the screen for a test program: a thread of its own looks at this process's dialog
// windows every few milliseconds and hands each one to `meet` once, on that thread, while the
// program's own thread may be inside a modal loop waiting for that user.
class WindowWatcher {
public:
    using Meeting = std::function<void(HWND dialog)>;
    explicit WindowWatcher(Meeting meet);
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;

private:
    void Watch(const std::stop_token& stop);

    Meeting meet_;
    std::jthread thread_;
};

// A message box as the user read it.
struct ShownMessageBox {
    std::wstring caption;
    std::wstring text;
    bool operator==(const ShownMessageBox&) const = default;
};

// How a test failure names a message box.
void PrintTo(const ShownMessageBox& box, std::ostream* out);

// True for a window made by MessageBox: a dialog with an OK button whose children are all
// buttons and static texts.
bool IsMessageBox(HWND dialog);

// The user who reads every message box and presses its OK button; other dialogs are left to
// their tests.
class MessageBoxReader {
public:
    MessageBoxReader();

    std::vector<ShownMessageBox> Read() const;

private:
    void Meet(HWND dialog);

    mutable std::mutex mutex_;
    std::vector<ShownMessageBox> read_;
    WindowWatcher watcher_;
};

}  // namespace tarn::test_support
