#include "host/sim/sim_folder.h"

#include "host/constants.h"
#include "host/sim/name_compare.h"
#include "host/sim/sim_items.h"
#include "platform/codepage.h"

namespace tarn::host::sim {

namespace {

// What a folder made by Folders.Add holds, from its OlDefaultFolders type.
int ItemTypeOfFolderType(int type) {
    switch (static_cast<DefaultFolder>(type)) {
        case DefaultFolder::Contacts:
            return item_type::Contact;
        case DefaultFolder::Calendar:
            return item_type::Appointment;
        default:
            return item_type::Mail;
    }
}

// Every folder of the test host gets an entry ID of its own.
std::u16string NextEntryId() {
    static unsigned long next = 0;
    return u"0000000038A1BB1005E5101AA1BB08002B2A56C2" + platform::Widen(std::to_string(++next));
}

}  // namespace

SimFolder::SimFolder(std::weak_ptr<SimHost> host, std::u16string name, int default_item_type)
    : SimObject(host, "Folder"),
      name_(std::move(name)),
      default_item_type_(default_item_type),
      entry_id_(NextEntryId()),
      items_(std::make_shared<SimItems>(host)),
      subfolders_(std::make_shared<SimFolders>(host)) {}

std::u16string SimFolder::Name() { return Read("Name", name_); }
std::shared_ptr<host::Items> SimFolder::Items() { return Read("Items", items_); }
std::shared_ptr<host::Folders> SimFolder::Folders() { return Read("Folders", subfolders_); }
int SimFolder::DefaultItemType() { return Read("DefaultItemType", default_item_type_); }
std::u16string SimFolder::EntryID() { return Read("EntryID", entry_id_); }

SimFolders::SimFolders(std::weak_ptr<SimHost> host) : SimCollection(std::move(host), "Folders") {}

host::FolderPtr SimFolders::Item(const std::u16string& name) {
    Guard("Item");
    auto folder = Find(name);
    if (!folder) Fail("Item", "no such folder");
    return folder;
}

host::FolderPtr SimFolders::Add(const std::u16string& name, int type) {
    Guard("Add");
    return Create(name, type);
}

std::shared_ptr<SimFolder> SimFolders::Find(std::u16string_view name) const {
    const auto found =
        std::ranges::find_if(Elements(), [name](const auto& folder) { return NamesEqual(folder->FolderName(), name); });
    return found == Elements().end() ? nullptr : *found;
}

std::shared_ptr<SimFolder> SimFolders::Create(const std::u16string& name, int type) {
    if (name.empty()) Fail("Add", "a folder needs a name");
    if (Find(name)) Fail("Add", "a folder of that name exists");
    auto folder = std::make_shared<SimFolder>(HostLink(), name, ItemTypeOfFolderType(type));
    Append(folder);
    return folder;
}

}  // namespace tarn::host::sim
