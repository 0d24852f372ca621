#pragma once

#include <string>

#include "host/sim/sim_call_recorder.h"
#include "platform/diagnostics_log.h"

namespace tarn::host::sim {

// A debug output that keeps every line written to it (the simulator shows them to its user).
class SimDebugOutput final : public platform::DebugOutput, public CallRecorder<std::string> {
public:
    void Write(std::string_view line) noexcept override {
        try {
            Record(std::string(line));
        } catch (...) {
            // As a debugger that is not listening.
        }
    }
};

}  // namespace tarn::host::sim
