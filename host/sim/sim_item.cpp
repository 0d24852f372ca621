#include "host/sim/sim_item.h"

#include "host/sim/sim_folder.h"
#include "host/sim/sim_host.h"
#include "host/sim/sim_items.h"
#include "host/sim/sim_mapi.h"
#include "host/sim/sim_recipients.h"

namespace tarn::host::sim {

SimItem::SimItem(std::weak_ptr<SimHost> host, long item_class, ItemContent content)
    : SimObject(std::move(host), "Item"),
      class_(item_class),
      properties_(std::make_shared<const PropertyMap>(std::move(content.properties))),
      recipients_(std::move(content.recipients)) {}

long SimItem::Class() { return Read("Class", class_); }

std::shared_ptr<platform::MapiObject> SimItem::MAPIOBJECT() {
    const auto sim_host = Guard("MAPIOBJECT");
    return std::make_shared<SimMapiObject>(properties_, sim_host->StoreMapi(), answers_message_);
}

std::shared_ptr<host::Recipients> SimItem::Recipients() {
    Guard("Recipients");
    return std::make_shared<SimRecipients>(HostLink(), recipients_);
}

void SimItem::Move(host::Folder& destination) {
    Guard("Move");
    RequireLocation("Move");
    auto* folder = dynamic_cast<SimFolder*>(&destination);
    if (folder == nullptr) Fail("Move", "the destination is not a folder of the test host");
    PlaceIn(folder->shared_from_this());
}

void SimItem::Delete() {
    const auto sim_host = Guard("Delete");
    const auto source = RequireLocation("Delete");
    const auto deleted_items = sim_host->DefaultFolder(host::DefaultFolder::DeletedItems);
    PlaceIn(source == deleted_items ? nullptr : deleted_items);
}

void SimItem::PlaceIn(const std::shared_ptr<SimFolder>& destination) {
    const auto self = shared_from_this();  // leaving the folder may drop the last other holder
    const auto source = location_.lock();
    if (source && source == destination) {
        source->StoredItems().MoveToEnd(self);
        return;
    }
    if (source) source->StoredItems().Erase(*this);
    location_ = destination;
    if (destination) destination->StoredItems().Arrive(self);
}

std::shared_ptr<SimFolder> SimItem::RequireLocation(std::string_view member) const {
    auto location = location_.lock();
    if (!location) Fail(member, "the item has been deleted");
    return location;
}

}  // namespace tarn::host::sim
