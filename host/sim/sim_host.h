#pragma once

#include <map>
#include <memory>
#include <vector>

#include "host/constants.h"
#include "host/sim/call_log.h"
#include "host/sim/event_queue.h"
#include "host/sim/fault_plan.h"
#include "host/sim/sim_application.h"
#include "host/sim/sim_com_add_ins.h"
#include "host/sim/sim_explorer.h"
#include "host/sim/sim_folder.h"
#include "host/sim/sim_inspector.h"
#include "host/sim/sim_mapi.h"
#include "host/sim/sim_namespace.h"

namespace tarn::host::sim {

// The state every object of the test host reaches through its (weak) link: the store, the
// application's collections, the event queue and the host-wide faults and call counts.
// SimOutlook owns the only strong reference, so everything here goes when it goes.
class SimHost final : public std::enable_shared_from_this<SimHost> {
public:
    // A host with the default folders, an empty COM add-in list and no window.
    static std::shared_ptr<SimHost> Create();

    EventQueue& Events() noexcept { return events_; }
    FaultPlan& Faults() noexcept { return faults_; }
    CallLog& Calls() noexcept { return calls_; }

    // Null for a number that is no default folder of the store.
    std::shared_ptr<SimFolder> DefaultFolder(host::DefaultFolder folder) const;
    const std::shared_ptr<SimApplication>& Application() const noexcept { return application_; }
    const std::shared_ptr<SimNamespace>& Namespace() const noexcept { return namespace_; }
    const std::shared_ptr<SimExplorers>& Explorers() const noexcept { return explorers_; }
    const std::shared_ptr<SimInspectors>& Inspectors() const noexcept { return inspectors_; }
    const std::shared_ptr<SimComAddIns>& ComAddIns() const noexcept { return com_add_ins_; }
    // How the store hands out its messages' properties through MAPI.
    const std::shared_ptr<SimStoreMapi>& StoreMapi() const noexcept { return store_mapi_; }

    unsigned long NextActivationStamp() noexcept { return ++activations_; }
    // Grows with every control deleted, so that tests can tell the order of deletions.
    unsigned long NextDeletionStamp() noexcept { return ++deletions_; }
    // The command bars of every open window that has some: explorers, then inspectors, each in
    // the order they were opened.
    std::vector<std::shared_ptr<SimCommandBars>> OpenWindowBars() const;

private:
    SimHost() = default;
    void Populate();

    EventQueue events_;
    FaultPlan faults_;
    CallLog calls_;
    std::map<host::DefaultFolder, std::shared_ptr<SimFolder>> default_folders_;
    std::shared_ptr<SimApplication> application_;
    std::shared_ptr<SimNamespace> namespace_;
    std::shared_ptr<SimExplorers> explorers_;
    std::shared_ptr<SimInspectors> inspectors_;
    std::shared_ptr<SimComAddIns> com_add_ins_;
    std::shared_ptr<SimStoreMapi> store_mapi_ = SimStoreMapi::Default();
    unsigned long activations_ = 0;
    unsigned long deletions_ = 0;
};

}  // namespace tarn::host::sim
