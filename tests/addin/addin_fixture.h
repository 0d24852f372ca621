#pragma once

#include <gtest/gtest.h>

#include "addin/tarn_addin.h"
#include "host/host_error.h"
#include "platform/dynamic_library.h"
#include "tests/support/sim_environment.h"

namespace tarn::addin {

namespace tag = platform::prop_tag;

// The add-in in the test host: its installation directory is a fresh folder, its settings a
// .reg file there, its rating engine the tests' probe engine (a text holding "RATE=n" rates n).
class AddinFixture : public ::testing::Test, protected test_support::SimEnvironment {
protected:
    screening::RulesEngine engine{platform::OwnModuleFolder() / "probe-engine", {}};
    TTarnAddin addin{outlook.Application(), services, dialogs, engine, dir.Path()};

    // A mail item arriving in the Inbox, screened when the add-in's hook is in place.
    std::shared_ptr<host::sim::SimItem> Arrive(host::sim::PropertyMap properties,
                                               long item_class = host::item_class::Mail) {
        auto item = outlook.AddItem(outlook.Inbox(), std::move(properties), item_class);
        Pump();
        return item;
    }
    std::shared_ptr<host::sim::SimFolder> QuarantineFolder() { return outlook.Inbox()->Subfolders().Find(u"Quarantine"); }
};

}  // namespace tarn::addin
