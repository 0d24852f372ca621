#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/command_bars.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_command_bar_control.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimCommandBars;

// What a command bar shows, as tests read and set it directly. A localized Outlook gives its
// built-in bars another local name (name_local) than their English name.
struct BarState {
    std::u16string name;
    std::u16string name_local;
    host::BarPosition position = host::BarPosition::Top;
    bool visible = false;
    bool enabled = true;
    bool temporary = false;  // the flag the bar was added with
};

class SimCommandBar final : public host::CommandBar,
                            public SimObject,
                            public std::enable_shared_from_this<SimCommandBar> {
public:
    SimCommandBar(std::weak_ptr<SimHost> host, std::weak_ptr<SimCommandBars> owner, BarState state);

    std::u16string Name() override;
    std::u16string NameLocal() override;
    void SetNameLocal(const std::u16string& name) override;
    host::BarPosition Position() override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    std::shared_ptr<host::CommandBarControls> Controls() override;
    // Removes the bar; it and its controls refuse every member from then on.
    void Delete() override;

    // The test host's own view, unguarded.
    BarState& State() noexcept { return state_; }
    SimCommandBarControls& Contents() noexcept { return *controls_; }

private:
    BarState state_;
    std::weak_ptr<SimCommandBars> owner_;
    std::shared_ptr<SimCommandBarControls> controls_;
};

// The command bars of one window.
class SimCommandBars final : public SimCollection<host::CommandBars, SimCommandBar>,
                             public std::enable_shared_from_this<SimCommandBars> {
public:
    explicit SimCommandBars(std::weak_ptr<SimHost> host);

    // A new bar is hidden and enabled; raises HostError when a bar of that name exists.
    CommandBarPtr Add(const std::u16string& name, BarPosition position, bool temporary) override;
    // Searches every bar in order, pop-ups included; null when there is no such control.
    CommandBarControlPtr FindControl(ControlType type, const std::u16string& tag) override;

    // The test host's own view, unguarded.
    // Adds a bar as Add does, raising the same HostError ("CommandBars.Add").
    std::shared_ptr<SimCommandBar> Create(const std::u16string& name, BarPosition position, bool temporary);
    // Every control of every bar, in the order FindControl searches them.
    std::vector<std::shared_ptr<SimCommandBarControl>> AllControls() const;
};

}  // namespace tarn::host::sim
