#include "tests/support/win32/window_watcher.h"

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
    std::set<HWND> met;
    while (!stop.stop_requested()) {
        const std::set<HWND> shown = ShownDialogs();
        for (HWND dialog : shown) {
            if (met.insert(dialog).second) meet_(dialog);
        }
        std::erase_if(met, [&](HWND dialog) { return !shown.contains(dialog); });  // a handle may come again
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

void ScreenUser::Meet(HWND dialog) {
    if (IsProgressWindow(dialog)) return;
    if (!IsMessageBox(dialog)) {
        {
            const std::lock_guard lock(mutex_);
            closed_windows_.push_back(WindowTextOf(dialog));
        }
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        return;
    }
    ShownMessageBox box{WindowTextOf(dialog), {}};
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) == L"Static") box.text += WindowTextOf(child);
    }
    {
        const std::lock_guard lock(mutex_);
        message_boxes_.push_back(std::move(box));
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace tarn::test_support
