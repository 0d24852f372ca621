#pragma once

#include <memory>
#include <vector>

#include "host/explorer.h"
#include "host/sim/built_in_panes.h"
#include "host/sim/signal.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_item.h"
#include "host/sim/sim_outlook_bar.h"
#include "host/sim/sim_window.h"

namespace tarn::host::sim {

class SimFolder;

// How a new explorer is furnished.
struct ExplorerSetup {
    OutlookBarLayout outlook_bar = OutlookBarLayout::Groups;
    bool has_command_bars = true;  // false: CommandBars() gives null
};

// The items selected in an explorer when Selection() was called, in selection order.
class SimSelection final : public SimCollection<host::Selection, SimItem> {
public:
    SimSelection(std::weak_ptr<SimHost> host, std::vector<std::shared_ptr<SimItem>> items);
};

class SimExplorer final : public SimWindow<host::Explorer> {
public:
    SimExplorer(std::weak_ptr<SimHost> host, std::shared_ptr<SimFolder> folder, std::shared_ptr<SimCommandBars> bars,
                std::shared_ptr<SimPanes> panes);

    FolderPtr CurrentFolder() override;
    // A new snapshot of the selection at each call, as Outlook gives.
    std::shared_ptr<host::Selection> Selection() override;
    std::shared_ptr<host::Panes> Panes() override;
    host::Subscription OnSelectionChange(Handler handler) override;
    host::Subscription OnClose(Handler handler) override;

    // The test host's own view, unguarded.
    void ShowFolder(std::shared_ptr<SimFolder> folder) noexcept { folder_ = std::move(folder); }
    const std::shared_ptr<SimFolder>& ShownFolder() const noexcept { return folder_; }
    SimPanes& PaneList() noexcept { return *panes_; }
    // The user selects these items, in this order; queues SelectionChange.
    void Select(std::vector<std::shared_ptr<SimItem>> items);
    // Nothing is selected any more, and no event says so.
    void ClearSelection() noexcept { selection_.clear(); }
    // Queues Close.
    void PostClose();

private:
    std::shared_ptr<SimFolder> folder_;
    std::shared_ptr<SimPanes> panes_;
    std::vector<std::shared_ptr<SimItem>> selection_;
    Signal<> selection_changed_;
    Signal<> closed_;
};

// The open explorers, in the order they were opened.
class SimExplorers final : public SimCollection<host::Explorers, SimExplorer> {
public:
    explicit SimExplorers(std::weak_ptr<SimHost> host);

    host::Subscription OnNewExplorer(NewExplorerHandler handler) override;

    // The test host's own view, unguarded.
    // A new explorer joins the collection; queues NewExplorer.
    void Open(const std::shared_ptr<SimExplorer>& explorer);
    // The explorer leaves the collection at once; its Close is queued.
    void Close(const std::shared_ptr<SimExplorer>& explorer);

private:
    Signal<const ExplorerPtr&> new_explorer_;
};

}  // namespace tarn::host::sim
