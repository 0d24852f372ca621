#include "host/sim/sim_message_pump.h"

#include <utility>

#include "host/sim/sim_outlook.h"

namespace tarn::host::sim {

void SimMessagePump::ProcessMessages() {
    pumping_.Emit();
    outlook_.PumpEvents();
}

host::Subscription SimMessagePump::AddPumpListener(std::function<void()> listener) {
    return pumping_.Connect(std::move(listener));
}

}  // namespace tarn::host::sim
