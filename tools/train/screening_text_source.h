#pragma once

#include <string>

#include "host/sim/property_map.h"
#include "host/sim/sim_mapi.h"
#include "host/sim/sim_outlook.h"
#include "platform/stream_diagnostics.h"
#include "screening/mail_item_view.h"

namespace tarn::tools::train {

// The screening text of imported messages exactly as the add-in builds it when a message
// arrives: each message becomes an item of the substitute Outlook's Inbox, read through the
// add-in's mail item view with screening::ReadScreeningInputs.
class ScreeningTextSource {
public:
    ScreeningTextSource();
    ScreeningTextSource(const ScreeningTextSource&) = delete;
    ScreeningTextSource& operator=(const ScreeningTextSource&) = delete;

    std::string ScreeningText(host::sim::PropertyMap properties);

private:
    host::sim::SimOutlook outlook_;
    host::sim::SimMapiLibrary mapi_;
    screening::MailItemView view_{mapi_};
    platform::StreamDiagnostics diagnostics_;
};

}  // namespace tarn::tools::train
