#pragma once

#include <gtest/gtest.h>

#include "addin/addin_identity.h"
#include "addin/tarn_addin.h"
#include "host/host_error.h"
#include "host/sim/sim_class_registry.h"
#include "platform/dynamic_library.h"
#include "tests/support/fake_button_faces.h"
#include "tests/support/sim_environment.h"

namespace tarn::addin {

namespace tag = platform::prop_tag;

// What Outlook keeps as the add-in's automation object in its COM add-in entry.
struct ConnectedObject final : host::AddinObject {};

// The add-in in the test host: its installation directory is a fresh folder, its settings a
// .reg file there, its rating engine the tests' probe engine (a text holding "RATE=n" rates n).
class AddinFixture : public ::testing::Test, protected test_support::SimEnvironment {
protected:
    screening::RulesEngine engine{platform::OwnModuleFolder() / "probe-engine", {}};
    test_support::FakeButtonFaces faces;
    host::sim::SimClassRegistry classes;
    AddInRegistration registration{registry, classes};
    TTarnAddin addin{services, dialogs, engine, faces, registration, dir.Path()};
    std::shared_ptr<host::sim::SimComAddIn> add_in_entry = outlook.AddComAddIn(std::u16string(ProgId));
    std::shared_ptr<ConnectedObject> self = std::make_shared<ConnectedObject>();

    // Outlook starting with the add-in as the user starts it, with its main window: connection
    // and start-up complete, then Outlook's message loop runs what the start-up left for it.
    void Connect() {
        if (outlook.Application()->Explorers()->Count() == 0) outlook.OpenExplorer(outlook.Inbox());
        ConnectWithoutMainWindow();
    }
    // Outlook started by another program: no main window until one is asked for.
    void ConnectWithoutMainWindow() {
        addin.OnConnection(outlook.HostApplication(), ConnectAtHostStartup, add_in_entry, self);
        addin.OnStartupComplete();
        Pump();
    }
    // What regsvr32 writes into the add-in key.
    void Register() { registration.WriteAddInKeys(); }
    // Outlook's main window on the Inbox, open before the add-in connects.
    std::shared_ptr<host::sim::SimExplorer> OpenMainWindow() {
        auto explorer = outlook.OpenExplorer(outlook.Inbox());
        Pump();
        return explorer;
    }
    AddInKey Key() { return AddInKey(registry, services.diagnostics, OutlookHost); }
    // Outlook 2007 and older closing, or slow shutdown restored by policy: the full protocol.
    void Disconnect() {
        addin.OnBeginShutdown();
        addin.OnDisconnection(DisconnectAtHostShutdown);
    }
    // Outlook 2010 and later closing: the windows close and Quit comes, then the process ends
    // and the add-in hears nothing more.
    void Quit() {
        outlook.Quit();
        Pump();
    }

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
