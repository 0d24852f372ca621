#include "tests/support/win32/window_watcher.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <utility>

namespace tarn::test_support {

namespace {

constexpr auto LookEvery = std::chrono::milliseconds(10);

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK AddShownDialog(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) != FALSE && ClassOf(window) == L"#32770") {
        reinterpret_cast<std::set<HWND>*>(found)->insert(window);
    }
    return TRUE;
}

BOOL CALLBACK AddChild(HWND child, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
    return TRUE;
}

// The shown dialog windows of this process, top level.
std::set<HWND> ShownDialogs() {
    std::set<HWND> dialogs;
    EnumWindows(&AddShownDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, &AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// A window's text as Windows keeps it, read without a message to the thread that owns the
// window: that thread may be waiting for the watcher (to end it, or for a lock).
std::wstring StoredTextOf(HWND window) {
    std::wstring text(4096, L'\0');
    text.resize(static_cast<std::size_t>(InternalGetWindowText(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

WindowWatcher::WindowWatcher(Meeting meet)
    : meet_(std::move(meet)), thread_([this](const std::stop_token& stop) { Watch(stop); }) {}

WindowWatcher::~WindowWatcher() = default;  // the thread is asked to stop and joined

void WindowWatcher::Watch(const std::stop_token& stop) {
    // By handle and title: a window that goes and the next one shown may get the same handle
    // between two looks, and the next one is still a window the user has not met. The title is
    // read without a message to the window's thread, which may be waiting for this one.
    std::set<std::pair<HWND, std::wstring>> met;
    while (!stop.stop_requested()) {
        std::set<std::pair<HWND, std::wstring>> shown;
        for (HWND dialog : ShownDialogs()) shown.emplace(dialog, StoredTextOf(dialog));
        for (const auto& dialog : shown) {
            if (met.insert(dialog).second) meet_(dialog.first);
        }
        std::erase_if(met, [&](const auto& dialog) { return !shown.contains(dialog); });  // a handle may come again
        std::this_thread::sleep_for(LookEvery);
    }
}

void PrintTo(const ShownMessageBox& box, std::ostream* out) {
    const auto narrow = [](const std::wstring& text) {
        std::string ascii;
        for (wchar_t ch : text) ascii += ch < 0x80 ? static_cast<char>(ch) : '?';
        return ascii;
    };
    *out << '[' << narrow(box.caption) << "] " << narrow(box.text);
}

bool IsMessageBox(HWND dialog) {
    if (GetDlgItem(dialog, IDOK) == nullptr) return false;
    for (HWND child : ChildrenOf(dialog)) {
        const std::wstring kind = ClassOf(child);
        if (kind != L"Button" && kind != L"Static") return false;
    }
    return true;
}

bool IsProgressWindow(HWND dialog) {
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) == L"msctls_progress32") return true;
    }
    return false;
}

ScreenUser::ScreenUser() : watcher_([this](HWND dialog) { Meet(dialog); }) {}

std::vector<ShownMessageBox> ScreenUser::MessageBoxes() const {
    const std::lock_guard lock(mutex_);
    return message_boxes_;
}

std::vector<std::wstring> ScreenUser::ClosedWindows() const {
    const std::lock_guard lock(mutex_);
    return closed_windows_;
}

void ScreenUser::WhenShown(std::wstring title, Task task) {
    const std::lock_guard lock(mutex_);
    tasks_.emplace_back(std::move(title), std::move(task));
}

void ScreenUser::Meet(HWND dialog) {
    if (IsProgressWindow(dialog)) return;
    const std::wstring title = StoredTextOf(dialog);
    Task task;
    {
        const std::lock_guard lock(mutex_);
        const auto found = std::find_if(tasks_.begin(), tasks_.end(), [&title](const auto& entry) { return entry.first == title; });
        if (found != tasks_.end()) {
            task = std::move(found->second);
            tasks_.erase(found);
        }
    }
    if (task) {
        task(dialog);
        return;
    }
    if (!IsMessageBox(dialog)) {
        {
            const std::lock_guard lock(mutex_);
            closed_windows_.push_back(title);
        }
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        return;
    }
    ShownMessageBox box{title, {}};
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) == L"Static") box.text += StoredTextOf(child);
    }
    {
        const std::lock_guard lock(mutex_);
        message_boxes_.push_back(std::move(box));
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace tarn::test_support
