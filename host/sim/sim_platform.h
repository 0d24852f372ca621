#pragma once

#include "host/sim/sim_clock.h"
#include "host/sim/sim_debug_output.h"
#include "host/sim/sim_message_boxes.h"
#include "host/sim/sim_message_pump.h"
#include "host/sim/sim_shell.h"
#include "platform/fixed_locale_format.h"
#include "platform/services.h"

namespace tarn::host::sim {

// The simulator's system services over one SimOutlook: virtual time and its timers, US English
// regional formats, the pump over the event queue, recorded message boxes, shell opens and
// debug output, and the diagnostics log over that output.
// With a registry and the MAPI entry points they make the Services the add-in starts with.
// The SimOutlook, the registry and the MAPI library must outlive it.
class SimPlatform {
public:
    SimPlatform(SimOutlook& outlook, platform::Registry& registry, platform::MapiLibrary& mapi,
                const platform::LocalTime& start = SimClock::DefaultStart)
        : clock_(outlook, start), pump_(outlook), registry_(registry), mapi_(mapi) {}
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    SimClock& Clock() noexcept { return clock_; }
    platform::FixedLocaleFormat& Locale() noexcept { return locale_; }
    SimMessagePump& Pump() noexcept { return pump_; }
    SimMessageBoxes& MessageBoxes() noexcept { return message_boxes_; }
    SimShell& Shell() noexcept { return shell_; }
    SimDebugOutput& DebugOutput() noexcept { return debug_output_; }
    platform::DiagnosticsLog& Diagnostics() noexcept { return diagnostics_; }

    // Refers to the services above, for as long as this lives.
    platform::Services Services() noexcept {
        return {clock_, locale_, pump_, message_boxes_, shell_, clock_, registry_, mapi_, diagnostics_};
    }

private:
    SimClock clock_;
    platform::FixedLocaleFormat locale_;
    SimMessagePump pump_;
    SimMessageBoxes message_boxes_;
    SimShell shell_;
    SimDebugOutput debug_output_;
    platform::DiagnosticsLog diagnostics_{debug_output_, clock_};
    platform::Registry& registry_;
    platform::MapiLibrary& mapi_;
};

}  // namespace tarn::host::sim
