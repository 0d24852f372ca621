#pragma once

#include <memory>

#include "host/sim/sim_command_bar.h"

namespace tarn::host::sim {

// The command bars a window of Outlook has before any add-in touches it. Explorers have
// "Menu Bar" (pop-ups with buttons inside) and "Standard"; inspectors have "Standard". Every
// built-in control carries its own tag, "Outlook." followed by its name.
std::shared_ptr<SimCommandBars> MakeExplorerCommandBars(const std::weak_ptr<SimHost>& host);
std::shared_ptr<SimCommandBars> MakeInspectorCommandBars(const std::weak_ptr<SimHost>& host);

}  // namespace tarn::host::sim
