#pragma once

#include "platform/clock.h"
#include "platform/diagnostics_log.h"
#include "platform/locale_format.h"
#include "platform/mapi.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/timer.h"

namespace tarn::platform {

// Everything the add-in needs of the system, handed to it at start: Windows' own services in
// the add-in library, the simulator's in tarn4ol-sim and the tests.
struct Services {
    Clock& clock;
    LocaleFormat& locale;
    MessagePump& pump;
    MessageBoxes& message_boxes;
    Shell& shell;
    TimerFactory& timers;
    Registry& registry;
    MapiLibrary& mapi;
    DiagnosticsLog& diagnostics;
};

}  // namespace tarn::platform
