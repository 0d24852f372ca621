#pragma once

#include "dialogs/headless/headless_dialog_factory.h"
#include "host/sim/sim_outlook.h"
#include "host/sim/sim_platform.h"
#include "platform/reg_file_registry.h"
#include "tests/support/temp_dir.h"

namespace tarn::test_support {

// Outlook in-process with the simulator's system services: a fresh folder of the test's own,
// the settings in a .reg file there, virtual time, recorded message boxes and shell opens, and
// headless windows whose scripted user acts while the add-in pumps messages.
struct SimEnvironment {
    TempDir dir;
    host::sim::SimOutlook outlook;
    host::sim::SimMapiLibrary mapi;
    platform::RegFileRegistry registry{dir / "registry.reg"};
    host::sim::SimPlatform platform{outlook, registry, mapi};
    platform::Services services = platform.Services();
    dialogs::HeadlessDialogFactory dialogs;
    host::Subscription pump_listener = platform.Pump().AddPumpListener([this] { dialogs.OnMessagesPumped(); });

    void Pump() { platform.Pump().ProcessMessages(); }
};

}  // namespace tarn::test_support
