#pragma once

#include <memory>
#include <string_view>
#include <utility>

#include "host/sim/sim_command_bar.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

// What explorers and inspectors of the test host share: their command bars and when they were
// last activated (the application's active windows are the open ones activated last).
template <class Interface>
class SimWindow : public Interface, public SimObject {
public:
    host::CommandBarsPtr CommandBars() override { return Read("CommandBars", bars_); }

    // The test host's own view, unguarded.
    // The window's command bars; null when it has none.
    const std::shared_ptr<SimCommandBars>& Bars() const noexcept { return bars_; }
    // Grows with every activation of any window; 0 until the first.
    unsigned long ActivationStamp() const noexcept { return activation_stamp_; }
    void SetActivationStamp(unsigned long stamp) noexcept { activation_stamp_ = stamp; }

protected:
    SimWindow(std::weak_ptr<SimHost> host, std::string_view kind, std::shared_ptr<SimCommandBars> bars)
        : SimObject(std::move(host), kind), bars_(std::move(bars)) {}

private:
    std::shared_ptr<SimCommandBars> bars_;
    unsigned long activation_stamp_ = 0;
};

}  // namespace tarn::host::sim
