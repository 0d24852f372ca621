#pragma once

#include <memory>

#include "host/item.h"
#include "host/sim/item_content.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimFolder;

// A stored item. The object stays usable by whoever holds it after it moves or is deleted:
// its class and properties stay readable; only Move and Delete of an item removed from the
// store for good raise HostError.
class SimItem final : public host::Item, public SimObject, public std::enable_shared_from_this<SimItem> {
public:
    SimItem(std::weak_ptr<SimHost> host, long item_class, ItemContent content);

    long Class() override;
    std::shared_ptr<platform::MapiObject> MAPIOBJECT() override;
    // The item leaves its folder and is appended to the destination, which raises one ItemAdd
    // there. Moving into its own folder only puts it last, without an ItemAdd: nothing arrived.
    void Move(host::Folder& destination) override;
    // To Deleted Items (one ItemAdd there), or out of the store when it already is there.
    void Delete() override;
    // A new snapshot of the recipient table at each call, as Outlook gives.
    std::shared_ptr<host::Recipients> Recipients() override;

    // The test host's own view, unguarded.
    // The folder holding the item; null once it has been removed from the store.
    std::shared_ptr<SimFolder> Location() const noexcept { return location_.lock(); }
    const PropertyMap& Properties() const noexcept { return *properties_; }
    const std::vector<RecipientEntry>& RecipientEntries() const noexcept { return recipients_; }
    // Whether MAPI objects handed out from now on answer IMessage.
    void SetAnswersMessage(bool answers) noexcept { answers_message_ = answers; }
    // Puts the item into the destination (null: out of the store) as Move does.
    void PlaceIn(const std::shared_ptr<SimFolder>& destination);

private:
    std::shared_ptr<SimFolder> RequireLocation(std::string_view member) const;

    long class_;
    std::shared_ptr<const PropertyMap> properties_;
    std::vector<RecipientEntry> recipients_;
    bool answers_message_ = true;
    std::weak_ptr<SimFolder> location_;
};

}  // namespace tarn::host::sim
