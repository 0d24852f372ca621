#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/command_bars.h"
#include "host/sim/signal.h"
#include "host/sim/sim_collection.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

class SimCommandBarControls;

// The two control events the add-in handles.
enum class ControlEvent { Click, Change };

// What a control shows and what was done to it, as tests read and set it directly.
struct ControlState {
    host::ControlType type = host::ControlType::Button;
    std::u16string tag;
    std::u16string caption;
    std::u16string tooltip_text;
    std::u16string parameter;
    bool visible = true;
    bool enabled = true;
    int style = 0;
    bool temporary = false;  // the flag the control was added with
    std::optional<host::Picture> picture;  // the face and its mask, once set
    std::optional<host::Picture> mask;
    std::optional<bool> delete_temporary;  // the flag Delete was given, once deleted
    unsigned long deletion_stamp = 0;       // the host's deletion count when it was deleted
};

// A command bar control. Buttons and pop-ups raise Click, edit, drop-down and combo-box
// controls raise Change; subscribing to the other event raises HostError.
class SimCommandBarControl final : public host::CommandBarControl,
                                   public SimObject,
                                   public std::enable_shared_from_this<SimCommandBarControl> {
public:
    SimCommandBarControl(std::weak_ptr<SimHost> host, std::weak_ptr<SimCommandBarControls> owner,
                         host::ControlType type, bool temporary);

    host::ControlType Type() override;
    std::u16string Tag() override;
    void SetTag(const std::u16string& tag) override;
    std::u16string Caption() override;
    void SetCaption(const std::u16string& caption) override;
    std::u16string TooltipText() override;
    void SetTooltipText(const std::u16string& text) override;
    std::u16string Parameter() override;
    void SetParameter(const std::u16string& text) override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    int Style() override;
    void SetStyle(int style) override;
    void SetPicture(const host::Picture& picture) override;
    void SetMask(const host::Picture& mask) override;
    // Raises HostError for a control that is not a pop-up.
    std::shared_ptr<host::CommandBarControls> Controls() override;
    void Delete(bool temporary) override;
    host::Subscription OnClick(EventHandler handler) override;
    host::Subscription OnChange(EventHandler handler) override;

    // The test host's own view, unguarded.
    ControlState& State() noexcept { return state_; }
    // A pop-up's controls; null for other types.
    const std::shared_ptr<SimCommandBarControls>& Children() const noexcept { return children_; }
    // Raises the event on this control now, on behalf of the control the user used.
    void Raise(ControlEvent event, const host::CommandBarControlPtr& source);
    // Marks this control and everything inside it deleted (its bar or pop-up went away).
    void MarkTreeDeleted() noexcept;

private:
    host::Subscription Subscribe(std::string_view member, ControlEvent event, EventHandler handler);
    static bool HasEvent(host::ControlType type, ControlEvent event) noexcept;
    Signal<const host::CommandBarControlPtr&>& SignalOf(ControlEvent event) noexcept;

    ControlState state_;
    std::weak_ptr<SimCommandBarControls> owner_;
    std::shared_ptr<SimCommandBarControls> children_;
    Signal<const host::CommandBarControlPtr&> click_;
    Signal<const host::CommandBarControlPtr&> change_;
};

// The controls of a command bar or pop-up, in order.
class SimCommandBarControls final : public SimCollection<host::CommandBarControls, SimCommandBarControl>,
                                    public std::enable_shared_from_this<SimCommandBarControls> {
public:
    explicit SimCommandBarControls(std::weak_ptr<SimHost> host);

    // Raises HostError when before is outside 1..Count+1.
    host::CommandBarControlPtr Add(host::ControlType type, std::optional<long> before, bool temporary) override;

    // The test host's own view, unguarded.
    // Adds a control as Add does, raising the same HostError ("CommandBarControls.Add").
    std::shared_ptr<SimCommandBarControl> Create(host::ControlType type, std::optional<long> before, bool temporary);
    // Every control in order, each pop-up followed by its own controls.
    void CollectTree(std::vector<std::shared_ptr<SimCommandBarControl>>& controls) const;
    // Marks this collection and every control in it deleted.
    void MarkTreeDeleted() noexcept;
};

}  // namespace tarn::host::sim
