#pragma once

#include <functional>

#include "host/sim/signal.h"
#include "host/subscription.h"
#include "platform/message_pump.h"

namespace tarn::host::sim {

class SimOutlook;

// The add-in's message pump over the SimOutlook's event queue. Listeners let a test or the
// simulator act while the add-in pumps, as a user would while a long command runs (the headless
// dialogs press their buttons this way). The SimOutlook must outlive the pump.
class SimMessagePump final : public platform::MessagePump {
public:
    explicit SimMessagePump(SimOutlook& outlook) : outlook_(outlook) {}

    // Calls the listeners, then runs the queued events.
    void ProcessMessages() override;
    // The listener is called at the start of every ProcessMessages, nested ones included, until
    // the subscription is reset. One added by a listener is first called on the next pump.
    host::Subscription AddPumpListener(std::function<void()> listener);

private:
    SimOutlook& outlook_;
    Signal<> pumping_;
};

}  // namespace tarn::host::sim
