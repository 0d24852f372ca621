#include "host/sim/built_in_panes.h"

#include <initializer_list>

#include "host/sim/sim_folder.h"
#include "host/sim/sim_host.h"

namespace tarn::host::sim {

namespace {

void AddGroup(SimHost& host, SimOutlookBarGroups& groups, std::u16string name,
              std::initializer_list<DefaultFolder> targets) {
    auto group = std::make_shared<SimOutlookBarGroup>(host.weak_from_this(), std::move(name));
    for (const auto target : targets) {
        auto folder = host.DefaultFolder(target);
        group->ShortcutList().Create(folder, folder->FolderName());
    }
    groups.Append(std::move(group));
}

std::shared_ptr<SimOutlookBarPane> MakeOutlookBar(SimHost& host, OutlookBarLayout layout) {
    auto outlook_bar = std::make_shared<SimOutlookBarPane>(host.weak_from_this());
    if (layout == OutlookBarLayout::Groups) {
        AddGroup(host, outlook_bar->GroupList(), u"Shortcuts",
                 {DefaultFolder::Inbox, DefaultFolder::Calendar, DefaultFolder::Contacts, DefaultFolder::DeletedItems});
        AddGroup(host, outlook_bar->GroupList(), u"My Shortcuts", {DefaultFolder::SentMail, DefaultFolder::Drafts});
    }
    return outlook_bar;
}

}  // namespace

std::shared_ptr<SimPanes> MakeExplorerPanes(const std::shared_ptr<SimHost>& host, OutlookBarLayout layout) {
    auto panes = std::make_shared<SimPanes>(host);
    switch (layout) {
        case OutlookBarLayout::Groups:
        case OutlookBarLayout::NoGroups:
            panes->Append(std::make_shared<SimPane>(host, MakeOutlookBar(*host, layout)));
            break;
        case OutlookBarLayout::NotOutlookBar:
            panes->Append(std::make_shared<SimPane>(host, nullptr));
            break;
        case OutlookBarLayout::NoPanes:
            break;
    }
    return panes;
}

}  // namespace tarn::host::sim
