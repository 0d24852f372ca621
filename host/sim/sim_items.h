#pragma once

#include <memory>

#include "host/folder.h"
#include "host/sim/signal.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_item.h"

namespace tarn::host::sim {

// A folder's items in order. The folder keeps one Items object for its whole life, so an
// ItemAdd subscription lasts as long as its Subscription.
class SimItems final : public SimCollection<host::Items, SimItem> {
public:
    explicit SimItems(std::weak_ptr<SimHost> host);

    host::Subscription OnItemAdd(ItemAddHandler handler) override;

    // Appends an item that arrives and queues its ItemAdd.
    void Arrive(std::shared_ptr<SimItem> item);
    // Puts an item of this folder last, as if it left and came back, without an ItemAdd.
    void MoveToEnd(std::shared_ptr<SimItem> item);

private:
    Signal<const host::ItemPtr&> item_added_;
};

}  // namespace tarn::host::sim
