#include "host/sim/sim_host.h"

#include <string>

namespace tarn::host::sim {

namespace {

struct DefaultFolderEntry {
    host::DefaultFolder folder;
    const char16_t* name;
    int item_type;
};

constexpr DefaultFolderEntry kDefaultFolders[] = {
    {host::DefaultFolder::Inbox, u"Inbox", item_type::Mail},
    {host::DefaultFolder::SentMail, u"Sent Items", item_type::Mail},
    {host::DefaultFolder::DeletedItems, u"Deleted Items", item_type::Mail},
    {host::DefaultFolder::Outbox, u"Outbox", item_type::Mail},
    {host::DefaultFolder::Drafts, u"Drafts", item_type::Mail},
    {host::DefaultFolder::Calendar, u"Calendar", item_type::Appointment},
    {host::DefaultFolder::Contacts, u"Contacts", item_type::Contact},
};

}  // namespace

std::shared_ptr<SimHost> SimHost::Create() {
    std::shared_ptr<SimHost> host(new SimHost());
    host->Populate();
    return host;
}

void SimHost::Populate() {
    const std::weak_ptr<SimHost> self = weak_from_this();
    for (const auto& entry : kDefaultFolders)
        default_folders_[entry.folder] = std::make_shared<SimFolder>(self, entry.name, entry.item_type);
    application_ = std::make_shared<SimApplication>(self);
    namespace_ = std::make_shared<SimNamespace>(self);
    explorers_ = std::make_shared<SimExplorers>(self);
    inspectors_ = std::make_shared<SimInspectors>(self);
    com_add_ins_ = std::make_shared<SimComAddIns>(self);
}

std::shared_ptr<SimFolder> SimHost::DefaultFolder(host::DefaultFolder folder) const {
    const auto found = default_folders_.find(folder);
    return found == default_folders_.end() ? nullptr : found->second;
}

std::vector<std::shared_ptr<SimCommandBars>> SimHost::OpenWindowBars() const {
    std::vector<std::shared_ptr<SimCommandBars>> bars;
    const auto add = [&bars](const auto& windows) {
        for (const auto& window : windows)
            if (window->Bars()) bars.push_back(window->Bars());
    };
    add(explorers_->Elements());
    add(inspectors_->Elements());
    return bars;
}

}  // namespace tarn::host::sim
