#include "host/sim/sim_explorer.h"

#include <stdexcept>

#include "host/sim/sim_folder.h"
#include "host/sim/sim_host.h"

namespace tarn::host::sim {

SimSelection::SimSelection(std::weak_ptr<SimHost> host, std::vector<std::shared_ptr<SimItem>> items)
    : SimCollection(std::move(host), "Selection") {
    Replace(std::move(items));
}

SimExplorer::SimExplorer(std::weak_ptr<SimHost> host, std::shared_ptr<SimFolder> folder,
                         std::shared_ptr<SimCommandBars> bars, std::shared_ptr<SimPanes> panes)
    : SimWindow(std::move(host), "Explorer", std::move(bars)), folder_(std::move(folder)), panes_(std::move(panes)) {}

FolderPtr SimExplorer::CurrentFolder() { return Read("CurrentFolder", folder_); }

std::shared_ptr<host::Selection> SimExplorer::Selection() {
    Guard("Selection");
    return std::make_shared<SimSelection>(HostLink(), selection_);
}

std::shared_ptr<host::Panes> SimExplorer::Panes() { return Read("Panes", panes_); }

host::Subscription SimExplorer::OnSelectionChange(Handler handler) {
    Guard("OnSelectionChange");
    return selection_changed_.Connect(std::move(handler));
}

host::Subscription SimExplorer::OnClose(Handler handler) {
    Guard("OnClose");
    return closed_.Connect(std::move(handler));
}

void SimExplorer::Select(std::vector<std::shared_ptr<SimItem>> items) {
    selection_ = std::move(items);
    if (const auto host = Host()) selection_changed_.Post(host->Events());
}

void SimExplorer::PostClose() {
    if (const auto host = Host()) closed_.Post(host->Events());
}

SimExplorers::SimExplorers(std::weak_ptr<SimHost> host) : SimCollection(std::move(host), "Explorers") {}

host::Subscription SimExplorers::OnNewExplorer(NewExplorerHandler handler) {
    Guard("OnNewExplorer");
    return new_explorer_.Connect(std::move(handler));
}

void SimExplorers::Open(const std::shared_ptr<SimExplorer>& explorer) {
    Append(explorer);
    if (const auto host = Host()) new_explorer_.Post(host->Events(), explorer);
}

void SimExplorers::Close(const std::shared_ptr<SimExplorer>& explorer) {
    if (!Contains(*explorer)) throw std::invalid_argument("the explorer is not open");
    Erase(*explorer);
    explorer->PostClose();
}

}  // namespace tarn::host::sim
