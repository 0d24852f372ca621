#pragma once

#include <memory>

#include "host/item.h"
#include "host/sim/item_content.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimFolder;

// A stored item. Moving it to another folder makes a new object there, as an Exchange store does
// (a new entry ID): the old reference goes stale and every member of it raises HostError, while
// the test host's own view of it follows the item to wherever it went. A deleted item keeps its
// class and properties readable; only Move and Delete of an item removed from the store for
// good raise HostError.
class SimItem final : public host::Item, public SimObject, public std::enable_shared_from_this<SimItem> {
public:
    SimItem(std::weak_ptr<SimHost> host, long item_class, ItemContent content);

    long Class() override;
    std::shared_ptr<platform::MapiObject> MAPIOBJECT() override;
    // The item leaves its folder and a new object of it is appended to the destination, which
    // raises one ItemAdd there; this object goes stale. Moving into its own folder only puts it
    // last, without an ItemAdd (nothing arrived), and it stays this object.
    host::ItemPtr Move(host::Folder& destination) override;
    // To Deleted Items (one ItemAdd there), or out of the store when it already is there.
    void Delete() override;
    // A new snapshot of the recipient table at each call, as Outlook gives.
    std::shared_ptr<host::Recipients> Recipients() override;
    // HostError for an item removed from the store.
    std::shared_ptr<host::Folder> Parent() override;

    // The test host's own view, unguarded; it follows the item past its moves.
    // The folder holding the item; null once it has been removed from the store.
    std::shared_ptr<SimFolder> Location() const noexcept { return Current().location_.lock(); }
    // The object the item is now (itself unless it moved to another folder).
    std::shared_ptr<SimItem> Latest() noexcept;
    const PropertyMap& Properties() const noexcept { return *properties_; }
    const std::vector<RecipientEntry>& RecipientEntries() const noexcept { return recipients_; }
    // Whether MAPI objects handed out from now on answer IMessage.
    void SetAnswersMessage(bool answers) noexcept;
    // Puts the item (as it is now) into the destination (null: out of the store), keeping its
    // object.
    void PlaceIn(const std::shared_ptr<SimFolder>& destination);

private:
    std::shared_ptr<SimFolder> RequireLocation(std::string_view member) const;
    const SimItem& Current() const noexcept;
    // Guards a member of the host interface: a stale reference refuses it.
    std::shared_ptr<SimHost> GuardLive(std::string_view member);

    long class_;
    std::shared_ptr<const PropertyMap> properties_;
    std::vector<RecipientEntry> recipients_;
    bool answers_message_ = true;
    std::weak_ptr<SimFolder> location_;
    // The object this item became when it moved to another folder.
    std::shared_ptr<SimItem> moved_to_;
};

}  // namespace tarn::host::sim
