#include "host/sim/sim_command_bar.h"

#include <algorithm>

#include "host/sim/name_compare.h"

namespace tarn::host::sim {

SimCommandBar::SimCommandBar(std::weak_ptr<SimHost> host, std::weak_ptr<SimCommandBars> owner, BarState state)
    : SimObject(host, "CommandBar"),
      state_(std::move(state)),
      owner_(std::move(owner)),
      controls_(std::make_shared<SimCommandBarControls>(host)) {}

std::u16string SimCommandBar::Name() { return Read("Name", state_.name); }
std::u16string SimCommandBar::NameLocal() { return Read("NameLocal", state_.name_local); }
void SimCommandBar::SetNameLocal(const std::u16string& name) { Write("SetNameLocal", state_.name_local, name); }
host::BarPosition SimCommandBar::Position() { return Read("Position", state_.position); }
bool SimCommandBar::Visible() { return Read("Visible", state_.visible); }
void SimCommandBar::SetVisible(bool visible) { Write("SetVisible", state_.visible, visible); }
bool SimCommandBar::Enabled() { return Read("Enabled", state_.enabled); }
void SimCommandBar::SetEnabled(bool enabled) { Write("SetEnabled", state_.enabled, enabled); }

std::shared_ptr<host::CommandBarControls> SimCommandBar::Controls() {
    Guard("Controls");
    return controls_;
}

void SimCommandBar::Delete() {
    Guard("Delete");
    const auto self = shared_from_this();  // leaving the collection may drop the last other holder
    if (const auto owner = owner_.lock()) owner->Erase(*this);
    MarkDeleted();
    controls_->MarkTreeDeleted();
}

SimCommandBars::SimCommandBars(std::weak_ptr<SimHost> host) : SimCollection(std::move(host), "CommandBars") {}

CommandBarPtr SimCommandBars::Add(const std::u16string& name, BarPosition position, bool temporary) {
    Guard("Add");
    return Create(name, position, temporary);
}

CommandBarControlPtr SimCommandBars::FindControl(ControlType type, const std::u16string& tag) {
    Guard("FindControl");
    const auto controls = AllControls();
    const auto found = std::ranges::find_if(
        controls, [&](const auto& control) { return control->State().type == type && control->State().tag == tag; });
    return found == controls.end() ? nullptr : *found;
}

std::shared_ptr<SimCommandBar> SimCommandBars::Create(const std::u16string& name, BarPosition position,
                                                      bool temporary) {
    const bool taken =
        std::ranges::any_of(Elements(), [&name](const auto& bar) { return NamesEqual(bar->State().name, name); });
    if (taken) Fail("Add", "a command bar of that name exists");
    auto bar = std::make_shared<SimCommandBar>(
        HostLink(), weak_from_this(),
        BarState{.name = name, .name_local = name, .position = position, .temporary = temporary});
    Append(bar);
    return bar;
}

std::vector<std::shared_ptr<SimCommandBarControl>> SimCommandBars::AllControls() const {
    std::vector<std::shared_ptr<SimCommandBarControl>> controls;
    for (const auto& bar : Elements()) bar->Contents().CollectTree(controls);
    return controls;
}

}  // namespace tarn::host::sim
