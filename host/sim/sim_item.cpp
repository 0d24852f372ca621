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

std::shared_ptr<SimHost> SimItem::GuardLive(std::string_view member) {
    auto sim_host = Guard(member);
    if (moved_to_) Fail(member, "the item has been moved or deleted (a moved item is a new object)");
    return sim_host;
}

const SimItem& SimItem::Current() const noexcept {
    const SimItem* item = this;
    while (item->moved_to_) item = item->moved_to_.get();
    return *item;
}

std::shared_ptr<SimItem> SimItem::Latest() noexcept {
    auto item = shared_from_this();
    while (item->moved_to_) item = item->moved_to_;
    return item;
}

void SimItem::SetAnswersMessage(bool answers) noexcept { Latest()->answers_message_ = answers; }

long SimItem::Class() {
    GuardLive("Class");
    return class_;
}

std::shared_ptr<platform::MapiObject> SimItem::MAPIOBJECT() {
    const auto sim_host = GuardLive("MAPIOBJECT");
    return std::make_shared<SimMapiObject>(properties_, sim_host->StoreMapi(), answers_message_);
}

std::shared_ptr<host::Recipients> SimItem::Recipients() {
    GuardLive("Recipients");
    return std::make_shared<SimRecipients>(HostLink(), recipients_);
}

std::shared_ptr<host::Folder> SimItem::Parent() {
    GuardLive("Parent");
    return RequireLocation("Parent");
}

host::ItemPtr SimItem::Move(host::Folder& destination) {
    GuardLive("Move");
    const auto source = RequireLocation("Move");
    auto* folder = dynamic_cast<SimFolder*>(&destination);
    if (folder == nullptr) Fail("Move", "the destination is not a folder of the test host");
    const auto target = folder->shared_from_this();
    if (source == target) {
        PlaceIn(target);
        return shared_from_this();
    }
    auto moved = std::make_shared<SimItem>(HostLink(), class_, ItemContent{*properties_, recipients_});
    moved->answers_message_ = answers_message_;
    source->StoredItems().Erase(*this);
    location_.reset();
    moved_to_ = moved;
    moved->PlaceIn(target);
    return moved;
}

void SimItem::Delete() {
    const auto sim_host = GuardLive("Delete");
    const auto source = RequireLocation("Delete");
    const auto deleted_items = sim_host->DefaultFolder(host::DefaultFolder::DeletedItems);
    PlaceIn(source == deleted_items ? nullptr : deleted_items);
}

void SimItem::PlaceIn(const std::shared_ptr<SimFolder>& destination) {
    if (moved_to_) {
        Latest()->PlaceIn(destination);
        return;
    }
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
