#pragma once

#include <memory>

#include "host/recipients.h"
#include "platform/mapi.h"

namespace tarn::host {

class Folder;

// An Outlook item (mail, contact, appointment...) held as an automation object. Only the
// members the add-in uses are here; a COM adapter reads them late-bound by name.
class Item {
public:
    virtual ~Item() = default;

    // "Class": the item's object class (item_class::Mail is 43).
    virtual long Class() = 0;
    // "MAPIOBJECT": the underlying Extended MAPI object.
    virtual std::shared_ptr<platform::MapiObject> MAPIOBJECT() = 0;
    // "Move": the item leaves its folder and joins the destination. Gives the moved item, the one
    // to use from then on: in an Exchange store the moved item is a new object with a new entry
    // ID, and this one's members may fail.
    virtual std::shared_ptr<Item> Move(Folder& destination) = 0;
    // "Delete": the item goes to Deleted Items (or is removed when it is already there).
    virtual void Delete() = 0;
    // "Recipients": whom a mail item is addressed to (an empty collection for other items).
    virtual std::shared_ptr<host::Recipients> Recipients() = 0;
    // "Parent": the folder that holds the item (in a conversation view, not always the folder
    // shown).
    virtual std::shared_ptr<Folder> Parent() = 0;
};

using ItemPtr = std::shared_ptr<Item>;

}  // namespace tarn::host
