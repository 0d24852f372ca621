#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/item.h"
#include "host/subscription.h"

namespace tarn::host {

class Folder;
using FolderPtr = std::shared_ptr<Folder>;

// A folder's Items collection. Indices are 1-based and shift down when an item leaves.
class Items {
public:
    using ItemAddHandler = std::function<void(const ItemPtr& item)>;

    virtual ~Items() = default;
    virtual long Count() = 0;
    virtual ItemPtr Item(long index) = 0;
    // "ItemAdd": raised once per item that arrives in the folder, one at a time.
    virtual Subscription OnItemAdd(ItemAddHandler handler) = 0;
};

// A folder's Folders collection (its direct subfolders).
class Folders {
public:
    virtual ~Folders() = default;
    virtual long Count() = 0;
    virtual FolderPtr Item(long index) = 0;
    // "Item" by name, compared as Outlook compares folder names (case-insensitive); raises
    // HostError when there is no such subfolder.
    virtual FolderPtr Item(const std::u16string& name) = 0;
    // "Add": a new subfolder of the given OlDefaultFolders type (6 makes a mail folder);
    // raises HostError when a subfolder of that name exists.
    virtual FolderPtr Add(const std::u16string& name, int type) = 0;
};

// An Outlook MAPI folder.
class Folder {
public:
    virtual ~Folder() = default;
    virtual std::u16string Name() = 0;
    virtual std::shared_ptr<host::Items> Items() = 0;
    virtual std::shared_ptr<host::Folders> Folders() = 0;
    // "DefaultItemType": item_type::Mail (0) for mail folders.
    virtual int DefaultItemType() = 0;
    // "EntryID": the folder's identity in its store, the same for every object of the folder.
    virtual std::u16string EntryID() = 0;
};

}  // namespace tarn::host
