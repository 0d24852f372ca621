#pragma once

#include <cstdint>
#include <string>

#include "host/command_bars.h"
#include "host/subscription.h"
#include "platform/diagnostics.h"

namespace tarn::addin {

// Receives the clicks that a sink owns.
class ClickReceiver {
public:
    virtual ~ClickReceiver() = default;
    // Contains whatever the command raises: the host's event always succeeds.
    virtual void OwnedClick(const std::u16string& tag, const host::CommandBarControlPtr& control) noexcept = 0;
};

// The add-in's ear on one of its controls. Office raises a control's event on every connected
// control object with the same tag (the same button in several windows), so each sink writes
// its own number into its control's "Parameter", and only the sink whose number the clicked
// control carries acts: one click, one command.
class TaxpEventSink {
public:
    // Connects to the control's events (Click for buttons, Change for edits, drop-downs and
    // combo boxes; a pop-up has none) and writes `number` into its Parameter. A host failure is
    // raised.
    // A host failure in a later event is contained and recorded in `diagnostics`.
    TaxpEventSink(ClickReceiver& receiver, platform::Diagnostics& diagnostics, host::CommandBarControlPtr control,
                  std::uint32_t number);
    TaxpEventSink(const TaxpEventSink&) = delete;
    TaxpEventSink& operator=(const TaxpEventSink&) = delete;

    std::uint32_t Number() const noexcept { return number_; }
    const std::u16string& Tag() const noexcept { return tag_; }
    // Lets go of the control and its events.
    void Release() noexcept;

private:
    void Connect(host::CommandBarControlPtr control);
    void OnEvent(const host::CommandBarControlPtr& source) noexcept;

    ClickReceiver& receiver_;
    platform::Diagnostics& diagnostics_;
    host::CommandBarControlPtr control_;
    host::Subscription connection_;
    std::uint32_t number_;
    std::u16string number_text_;
    std::u16string tag_;
};

}  // namespace tarn::addin
