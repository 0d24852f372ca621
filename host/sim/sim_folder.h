#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/folder.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimFolders;
class SimItems;

// A folder of the simulated store. It keeps the same Items and Folders objects for its life.
class SimFolder final : public host::Folder, public SimObject, public std::enable_shared_from_this<SimFolder> {
public:
    SimFolder(std::weak_ptr<SimHost> host, std::u16string name, int default_item_type);

    std::u16string Name() override;
    std::shared_ptr<host::Items> Items() override;
    std::shared_ptr<host::Folders> Folders() override;
    int DefaultItemType() override;
    std::u16string EntryID() override;

    // The test host's own view, unguarded.
    const std::u16string& FolderName() const noexcept { return name_; }
    // A folder with a home page (a web view) shows that page instead of its items: nothing can
    // be selected in it.
    bool HasHomePage() const noexcept { return home_page_; }
    void SetHomePage(bool shown) noexcept { home_page_ = shown; }
    SimItems& StoredItems() noexcept { return *items_; }
    SimFolders& Subfolders() noexcept { return *subfolders_; }

private:
    std::u16string name_;
    int default_item_type_;
    std::u16string entry_id_;
    bool home_page_ = false;
    std::shared_ptr<SimItems> items_;
    std::shared_ptr<SimFolders> subfolders_;
};

// A folder's direct subfolders. Names are compared as Outlook compares them, ignoring case.
class SimFolders final : public SimCollection<host::Folders, SimFolder> {
public:
    using SimCollection::Item;

    explicit SimFolders(std::weak_ptr<SimHost> host);

    host::FolderPtr Item(const std::u16string& name) override;
    host::FolderPtr Add(const std::u16string& name, int type) override;

    // The test host's own view, unguarded.
    // The subfolder of that name, or null.
    std::shared_ptr<SimFolder> Find(std::u16string_view name) const;
    // Appends a subfolder of the given OlDefaultFolders type as Add does, raising the same
    // HostError ("Folders.Add") for an empty or taken name.
    std::shared_ptr<SimFolder> Create(const std::u16string& name, int type);
};

}  // namespace tarn::host::sim
