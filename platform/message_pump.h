#pragma once

namespace tarn::platform {

// Lets the user interface process what is waiting in its message queue: new mail, timer ticks,
// clicks. Long commands call it once per item, so anything may run nested inside.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void ProcessMessages() = 0;
};

}  // namespace tarn::platform
