#pragma once

#include <functional>
#include <utility>

namespace tarn::host {

// Keeps one event handler connected to a host object (a connection point advise). Destroying
// or resetting the subscription disconnects the handler; a moved-from subscription is empty.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> disconnect) : disconnect_(std::move(disconnect)) {}
    Subscription(Subscription&& other) noexcept : disconnect_(std::exchange(other.disconnect_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            Reset();
            disconnect_ = std::exchange(other.disconnect_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { Reset(); }

    void Reset() noexcept {
        if (auto disconnect = std::exchange(disconnect_, {})) disconnect();
    }
    bool Connected() const noexcept { return static_cast<bool>(disconnect_); }

private:
    std::function<void()> disconnect_;
};

}  // namespace tarn::host
