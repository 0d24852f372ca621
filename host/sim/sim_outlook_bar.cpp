#include "host/sim/sim_outlook_bar.h"

#include "host/sim/sim_folder.h"

namespace tarn::host::sim {

SimOutlookBarShortcut::SimOutlookBarShortcut(std::weak_ptr<SimHost> host, std::u16string name,
                                             std::shared_ptr<SimFolder> target)
    : SimObject(std::move(host), "OutlookBarShortcut"), name_(std::move(name)), target_(std::move(target)) {}

std::u16string SimOutlookBarShortcut::Name() { return Read("Name", name_); }

SimOutlookBarShortcuts::SimOutlookBarShortcuts(std::weak_ptr<SimHost> host)
    : SimCollection(std::move(host), "OutlookBarShortcuts") {}

std::shared_ptr<host::OutlookBarShortcut> SimOutlookBarShortcuts::Add(Folder& target, const std::u16string& name) {
    Guard("Add");
    auto* folder = dynamic_cast<SimFolder*>(&target);
    if (folder == nullptr) Fail("Add", "the target is not a folder of the test host");
    return Create(folder->shared_from_this(), name);
}

std::shared_ptr<SimOutlookBarShortcut> SimOutlookBarShortcuts::Create(std::shared_ptr<SimFolder> target,
                                                                      std::u16string name) {
    auto shortcut = std::make_shared<SimOutlookBarShortcut>(HostLink(), std::move(name), std::move(target));
    Append(shortcut);
    return shortcut;
}

SimOutlookBarGroup::SimOutlookBarGroup(std::weak_ptr<SimHost> host, std::u16string name)
    : SimObject(host, "OutlookBarGroup"),
      name_(std::move(name)),
      shortcuts_(std::make_shared<SimOutlookBarShortcuts>(host)) {}

std::u16string SimOutlookBarGroup::Name() { return Read("Name", name_); }

std::shared_ptr<host::OutlookBarShortcuts> SimOutlookBarGroup::Shortcuts() { return Read("Shortcuts", shortcuts_); }

SimOutlookBarGroups::SimOutlookBarGroups(std::weak_ptr<SimHost> host)
    : SimCollection(std::move(host), "OutlookBarGroups") {}

SimOutlookBarPane::SimOutlookBarPane(std::weak_ptr<SimHost> host)
    : SimObject(host, "OutlookBarPane"), groups_(std::make_shared<SimOutlookBarGroups>(host)) {}

std::shared_ptr<host::OutlookBarGroups> SimOutlookBarPane::Groups() { return Read("Groups", groups_); }

SimPane::SimPane(std::weak_ptr<SimHost> host, std::shared_ptr<SimOutlookBarPane> outlook_bar)
    : SimObject(std::move(host), "Pane"), outlook_bar_(std::move(outlook_bar)) {}

std::shared_ptr<host::OutlookBarPane> SimPane::QueryOutlookBarPane() {
    return Read("QueryOutlookBarPane", outlook_bar_);
}

SimPanes::SimPanes(std::weak_ptr<SimHost> host) : SimCollection(std::move(host), "Panes") {}

}  // namespace tarn::host::sim
