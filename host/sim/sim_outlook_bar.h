#pragma once

#include <memory>
#include <string>

#include "host/outlook_bar.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimFolder;

class SimOutlookBarShortcut final : public host::OutlookBarShortcut, public SimObject {
public:
    SimOutlookBarShortcut(std::weak_ptr<SimHost> host, std::u16string name, std::shared_ptr<SimFolder> target);

    std::u16string Name() override;

    // The test host's own view, unguarded: the folder the shortcut leads to.
    const std::shared_ptr<SimFolder>& Target() const noexcept { return target_; }

private:
    std::u16string name_;
    std::shared_ptr<SimFolder> target_;
};

class SimOutlookBarShortcuts final : public SimCollection<host::OutlookBarShortcuts, SimOutlookBarShortcut> {
public:
    explicit SimOutlookBarShortcuts(std::weak_ptr<SimHost> host);

    // Raises HostError when the target is not a folder of the test host.
    std::shared_ptr<host::OutlookBarShortcut> Add(Folder& target, const std::u16string& name) override;

    // The test host's own view, unguarded: appends a shortcut.
    std::shared_ptr<SimOutlookBarShortcut> Create(std::shared_ptr<SimFolder> target, std::u16string name);
};

class SimOutlookBarGroup final : public host::OutlookBarGroup, public SimObject {
public:
    SimOutlookBarGroup(std::weak_ptr<SimHost> host, std::u16string name);

    std::u16string Name() override;
    std::shared_ptr<host::OutlookBarShortcuts> Shortcuts() override;

    // The test host's own view, unguarded.
    SimOutlookBarShortcuts& ShortcutList() noexcept { return *shortcuts_; }

private:
    std::u16string name_;
    std::shared_ptr<SimOutlookBarShortcuts> shortcuts_;
};

class SimOutlookBarGroups final : public SimCollection<host::OutlookBarGroups, SimOutlookBarGroup> {
public:
    explicit SimOutlookBarGroups(std::weak_ptr<SimHost> host);
};

class SimOutlookBarPane final : public host::OutlookBarPane, public SimObject {
public:
    explicit SimOutlookBarPane(std::weak_ptr<SimHost> host);

    std::shared_ptr<host::OutlookBarGroups> Groups() override;

    // The test host's own view, unguarded.
    SimOutlookBarGroups& GroupList() noexcept { return *groups_; }

private:
    std::shared_ptr<SimOutlookBarGroups> groups_;
};

// One pane of an explorer; only the Outlook Bar pane answers QueryOutlookBarPane.
class SimPane final : public host::Pane, public SimObject {
public:
    // outlook_bar: null for a pane of another kind.
    SimPane(std::weak_ptr<SimHost> host, std::shared_ptr<SimOutlookBarPane> outlook_bar);

    std::shared_ptr<host::OutlookBarPane> QueryOutlookBarPane() override;

private:
    std::shared_ptr<SimOutlookBarPane> outlook_bar_;
};

class SimPanes final : public SimCollection<host::Panes, SimPane> {
public:
    explicit SimPanes(std::weak_ptr<SimHost> host);
};

}  // namespace tarn::host::sim
