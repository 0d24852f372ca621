#pragma once

#include <string>

#include "addin/tarn_addin.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "host/sim/property_map.h"
#include "host/sim/sim_outlook.h"
#include "host/sim/sim_platform.h"
#include "platform/reg_file_registry.h"
#include "screening/rules_engine.h"

namespace tarn::tools::train {

// The screening text of imported messages exactly as the add-in builds it when a message
// arrives: each message becomes an item of the substitute Outlook's Inbox, and the add-in
// object (made, never started) reads it with TTarnAddin::ReadScreeningInputs.
class ScreeningTextSource {
public:
    ScreeningTextSource();
    ScreeningTextSource(const ScreeningTextSource&) = delete;
    ScreeningTextSource& operator=(const ScreeningTextSource&) = delete;

    std::string ScreeningText(host::sim::PropertyMap properties);

private:
    host::sim::SimOutlook outlook_;
    host::sim::SimMapiLibrary mapi_;
    platform::RegFileRegistry registry_;
    host::sim::SimPlatform platform_;
    platform::Services services_;
    dialogs::HeadlessDialogFactory dialogs_;
    screening::RulesEngine engine_;
    addin::TTarnAddin addin_;
};

}  // namespace tarn::tools::train
