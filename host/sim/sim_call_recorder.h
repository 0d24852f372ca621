#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace tarn::host::sim {

// Keeps every call of one kind that the add-in made of a simulated system service, for tests,
// and hands each to an observer as it comes (the simulator shows them to its user).
template <class Call>
class CallRecorder {
public:
    const std::vector<Call>& Calls() const noexcept { return calls_; }
    void SetObserver(std::function<void(const Call&)> observer) { observer_ = std::move(observer); }

protected:
    ~CallRecorder() = default;

    void Record(Call call) {
        calls_.push_back(std::move(call));
        if (observer_) observer_(calls_.back());
    }

private:
    std::vector<Call> calls_;
    std::function<void(const Call&)> observer_;
};

}  // namespace tarn::host::sim
