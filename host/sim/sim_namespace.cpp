#include "host/sim/sim_namespace.h"

#include "host/sim/sim_folder.h"
#include "host/sim/sim_host.h"

namespace tarn::host::sim {

SimNamespace::SimNamespace(std::weak_ptr<SimHost> host) : SimObject(std::move(host), "Namespace") {}

FolderPtr SimNamespace::GetDefaultFolder(DefaultFolder folder) {
    auto found = Guard("GetDefaultFolder")->DefaultFolder(folder);
    if (!found) Fail("GetDefaultFolder", "no such default folder");
    return found;
}

}  // namespace tarn::host::sim
