#pragma once

#include <memory>

#include "host/sim/sim_command_bar_control.h"

namespace tarn::host::sim {

class SimHost;

// Raises a control event as Office does when the user uses a control: on every control of
// every open window that carries the used control's tag (read now), each handler receiving the
// used control. A control without a tag raises it only on itself.
void RaiseControlEvent(const SimHost& host, const std::shared_ptr<SimCommandBarControl>& source, ControlEvent event);

}  // namespace tarn::host::sim
