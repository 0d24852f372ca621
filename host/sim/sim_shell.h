#pragma once

#include <string>

#include "host/sim/sim_call_recorder.h"
#include "platform/shell.h"

namespace tarn::host::sim {

struct ShellOpenCall {
    std::u16string target;
    platform::ShowCommand show;
    bool operator==(const ShellOpenCall&) const = default;
};

// A shell that opens nothing: each "open" is recorded.
class SimShell final : public platform::Shell, public CallRecorder<ShellOpenCall> {
public:
    void Open(const std::u16string& target, platform::ShowCommand show) override { Record({target, show}); }
};

}  // namespace tarn::host::sim
