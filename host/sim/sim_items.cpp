#include "host/sim/sim_items.h"

#include "host/sim/sim_host.h"

namespace tarn::host::sim {

SimItems::SimItems(std::weak_ptr<SimHost> host) : SimCollection(std::move(host), "Items") {}

host::Subscription SimItems::OnItemAdd(ItemAddHandler handler) {
    Guard("OnItemAdd");
    return item_added_.Connect(std::move(handler));
}

void SimItems::Arrive(std::shared_ptr<SimItem> item) {
    Append(item);
    if (const auto host = Host()) item_added_.Post(host->Events(), std::move(item));
}

void SimItems::MoveToEnd(std::shared_ptr<SimItem> item) {
    Erase(*item);
    Append(std::move(item));
}

}  // namespace tarn::host::sim
