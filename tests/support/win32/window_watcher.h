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

// A window's text: a dialog's title, a control's caption.
std::wstring WindowTextOf(HWND window);

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

// True for a progress window: a dialog holding a progress bar. It closes by itself.
bool IsProgressWindow(HWND dialog);

// The user at the screen: reads every message box and presses its OK button, and closes every
// other dialog that waits for them with its close box (all but progress windows), unless told
// what to do in a dialog of that title.
class ScreenUser {
public:
    using Task = std::function<void(HWND dialog)>;

    ScreenUser();

    // What the user does, on the watcher's thread, in the next dialog with this title, instead
    // of closing it; the task closes it itself.
    void WhenShown(std::wstring title, Task task);

    std::vector<ShownMessageBox> MessageBoxes() const;
    // The titles of the other dialogs, in the order they were closed.
    std::vector<std::wstring> ClosedWindows() const;

private:
    void Meet(HWND dialog);

    mutable std::mutex mutex_;
    std::vector<ShownMessageBox> message_boxes_;
    std::vector<std::wstring> closed_windows_;
    std::vector<std::pair<std::wstring, Task>> tasks_;
    WindowWatcher watcher_;
};

}  // namespace tarn::test_support
