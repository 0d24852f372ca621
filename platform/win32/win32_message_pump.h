#pragma once

#include "platform/message_pump.h"

namespace tarn::platform {

// Dispatches what waits in the calling thread's message queue, then returns. A quit message
// (Outlook closing) ends the pumping and is posted again for Outlook's own message loop.
class Win32MessagePump final : public MessagePump {
public:
    void ProcessMessages() override;
};

}  // namespace tarn::platform
