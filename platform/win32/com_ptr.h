#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace tarn::platform {

// Owns one reference to a COM object: AddRef when copied, Release when let go. The one place
// where product code releases COM references.
template <class Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    // Takes a reference of its own to `object`.
    explicit ComPtr(Interface* object) noexcept : object_(object) {
        if (object_ != nullptr) object_->AddRef();
    }
    ComPtr(const ComPtr& other) noexcept : ComPtr(other.object_) {}
    ComPtr(ComPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller already owns (an out parameter's).
    static ComPtr Adopt(Interface* object) noexcept {
        ComPtr owner;
        owner.object_ = object;
        return owner;
    }

    void Reset() noexcept {
        if (auto* object = std::exchange(object_, nullptr)) object->Release();
    }
    Interface* Get() const noexcept { return object_; }
    Interface* operator->() const noexcept { return object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }
    // For an out parameter: the old reference is released first.
    Interface** Put() noexcept {
        Reset();
        return &object_;
    }
    // Hands the reference to the caller (an out parameter of a COM method).
    Interface* Detach() noexcept { return std::exchange(object_, nullptr); }

    // QueryInterface: the object as another interface, or null when it is not one.
    template <class Other>
    ComPtr<Other> As(REFIID iid) const noexcept {
        ComPtr<Other> other;
        if (object_ != nullptr &&
            FAILED(object_->QueryInterface(iid, reinterpret_cast<void**>(other.Put())))) {
            other.Reset();
        }
        return other;
    }

private:
    Interface* object_ = nullptr;
};

}  // namespace tarn::platform
