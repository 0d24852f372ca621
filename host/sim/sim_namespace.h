#pragma once

#include "host/mapi_namespace.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

// The "MAPI" namespace: the store's default folders.
class SimNamespace final : public host::Namespace, public SimObject {
public:
    explicit SimNamespace(std::weak_ptr<SimHost> host);

    // Raises HostError for a number that is no default folder of the store.
    FolderPtr GetDefaultFolder(DefaultFolder folder) override;
};

}  // namespace tarn::host::sim
