#pragma once

#include <string>

#include "host/sim/sim_call_recorder.h"
#include "platform/message_box.h"

namespace tarn::host::sim {

struct MessageBoxCall {
    std::u16string text;
    std::u16string caption;
    platform::MessageBoxKind kind;
    bool operator==(const MessageBoxCall&) const = default;
};

// Message boxes that nobody has to close: each is recorded, as if the user pressed OK at once.
class SimMessageBoxes final : public platform::MessageBoxes, public CallRecorder<MessageBoxCall> {
public:
    void Show(const std::u16string& text, const std::u16string& caption, platform::MessageBoxKind kind) override {
        Record({text, caption, kind});
    }
};

}  // namespace tarn::host::sim
