#pragma once

#include <utility>

namespace tarn::platform {

// Owns one handle of the system (a registry key, a module, a window, a GDI object) and gives it
// back with `Close` when let go. Movable, not copyable; `Invalid` is the handle that owns
// nothing.
template <class Handle, auto Close, Handle Invalid = Handle{}>
class UniqueHandle {
public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Invalid);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    void Reset() noexcept {
        if (handle_ != Invalid) Close(std::exchange(handle_, Invalid));
    }
    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Invalid; }
    // For an out parameter: what was owned is given back first.
    Handle* Put() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Invalid;
};

}  // namespace tarn::platform
