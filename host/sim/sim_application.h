#pragma once

#include "host/application.h"
#include "host/sim/signal.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimApplication final : public host::Application,
                             public host::HostApplication,
                             public SimObject,
                             public std::enable_shared_from_this<SimApplication> {
public:
    explicit SimApplication(std::weak_ptr<SimHost> host);

    // Itself: the test host is Outlook.
    ApplicationPtr AsOutlookApplication() override;

    // Only "MAPI"; any other type raises HostError.
    NamespacePtr GetNamespace(const std::u16string& type) override;
    NamespacePtr Session() override;
    ExplorerPtr ActiveExplorer() override;
    InspectorPtr ActiveInspector() override;
    WindowPtr ActiveWindow() override;
    std::shared_ptr<host::Explorers> Explorers() override;
    std::shared_ptr<host::Inspectors> Inspectors() override;
    std::shared_ptr<host::ComAddIns> COMAddIns() override;
    host::Subscription OnQuit(std::function<void()> handler) override;

    // The test host's own view, unguarded: queues Quit.
    void PostQuit();

private:
    Signal<> quit_;
};

}  // namespace tarn::host::sim
