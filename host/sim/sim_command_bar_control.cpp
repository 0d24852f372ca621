#include "host/sim/sim_command_bar_control.h"

#include "host/sim/sim_host.h"

namespace tarn::host::sim {

SimCommandBarControl::SimCommandBarControl(std::weak_ptr<SimHost> host, std::weak_ptr<SimCommandBarControls> owner,
                                           host::ControlType type, bool temporary)
    : SimObject(host, "CommandBarControl"),
      owner_(std::move(owner)),
      children_(type == host::ControlType::Popup ? std::make_shared<SimCommandBarControls>(host) : nullptr) {
    state_.type = type;
    state_.temporary = temporary;
}

host::ControlType SimCommandBarControl::Type() { return Read("Type", state_.type); }
std::u16string SimCommandBarControl::Tag() { return Read("Tag", state_.tag); }
void SimCommandBarControl::SetTag(const std::u16string& tag) { Write("SetTag", state_.tag, tag); }
std::u16string SimCommandBarControl::Caption() { return Read("Caption", state_.caption); }
void SimCommandBarControl::SetCaption(const std::u16string& caption) { Write("SetCaption", state_.caption, caption); }
std::u16string SimCommandBarControl::TooltipText() { return Read("TooltipText", state_.tooltip_text); }
void SimCommandBarControl::SetTooltipText(const std::u16string& text) {
    Write("SetTooltipText", state_.tooltip_text, text);
}
std::u16string SimCommandBarControl::Parameter() { return Read("Parameter", state_.parameter); }
void SimCommandBarControl::SetParameter(const std::u16string& text) { Write("SetParameter", state_.parameter, text); }
bool SimCommandBarControl::Visible() { return Read("Visible", state_.visible); }
void SimCommandBarControl::SetVisible(bool visible) { Write("SetVisible", state_.visible, visible); }
bool SimCommandBarControl::Enabled() { return Read("Enabled", state_.enabled); }
void SimCommandBarControl::SetEnabled(bool enabled) { Write("SetEnabled", state_.enabled, enabled); }
int SimCommandBarControl::Style() { return Read("Style", state_.style); }
void SimCommandBarControl::SetStyle(int style) { Write("SetStyle", state_.style, style); }

void SimCommandBarControl::SetPicture(const host::Picture& picture) { Write("SetPicture", state_.picture, {picture}); }

void SimCommandBarControl::SetMask(const host::Picture& mask) { Write("SetMask", state_.mask, {mask}); }

std::shared_ptr<host::CommandBarControls> SimCommandBarControl::Controls() {
    Guard("Controls");
    if (!children_) Fail("Controls", "the control is not a pop-up");
    return children_;
}

void SimCommandBarControl::Delete(bool temporary) {
    state_.deletion_stamp = Guard("Delete")->NextDeletionStamp();
    const auto self = shared_from_this();  // leaving the bar may drop the last other holder
    if (const auto owner = owner_.lock()) owner->Erase(*this);
    state_.delete_temporary = temporary;
    MarkTreeDeleted();
}

host::Subscription SimCommandBarControl::OnClick(EventHandler handler) {
    return Subscribe("OnClick", ControlEvent::Click, std::move(handler));
}

host::Subscription SimCommandBarControl::OnChange(EventHandler handler) {
    return Subscribe("OnChange", ControlEvent::Change, std::move(handler));
}

host::Subscription SimCommandBarControl::Subscribe(std::string_view member, ControlEvent event, EventHandler handler) {
    Guard(member);
    if (!HasEvent(state_.type, event)) Fail(member, "the control type has no such event");
    return SignalOf(event).Connect(std::move(handler));
}

// As Office: a button raises Click (CommandBarButtonEvents), an edit, drop-down or combo box
// Change (CommandBarComboBoxEvents), and a pop-up nothing at all.
bool SimCommandBarControl::HasEvent(host::ControlType type, ControlEvent event) noexcept {
    if (type == host::ControlType::Popup) return false;
    return (type == host::ControlType::Button) == (event == ControlEvent::Click);
}

Signal<const host::CommandBarControlPtr&>& SimCommandBarControl::SignalOf(ControlEvent event) noexcept {
    return event == ControlEvent::Click ? click_ : change_;
}

void SimCommandBarControl::Raise(ControlEvent event, const host::CommandBarControlPtr& source) {
    SignalOf(event).Emit(source);
}

void SimCommandBarControl::MarkTreeDeleted() noexcept {
    MarkDeleted();
    if (children_) children_->MarkTreeDeleted();
}

SimCommandBarControls::SimCommandBarControls(std::weak_ptr<SimHost> host)
    : SimCollection(std::move(host), "CommandBarControls") {}

host::CommandBarControlPtr SimCommandBarControls::Add(host::ControlType type, std::optional<long> before,
                                                      bool temporary) {
    Guard("Add");
    return Create(type, before, temporary);
}

std::shared_ptr<SimCommandBarControl> SimCommandBarControls::Create(host::ControlType type, std::optional<long> before,
                                                                    bool temporary) {
    const long position = before.value_or(Size() + 1);
    if (position < 1 || position > Size() + 1) Fail("Add", "position out of range");
    auto control = std::make_shared<SimCommandBarControl>(HostLink(), weak_from_this(), type, temporary);
    InsertAt(position, control);
    return control;
}

void SimCommandBarControls::CollectTree(std::vector<std::shared_ptr<SimCommandBarControl>>& controls) const {
    for (const auto& control : Elements()) {
        controls.push_back(control);
        if (control->Children()) control->Children()->CollectTree(controls);
    }
}

void SimCommandBarControls::MarkTreeDeleted() noexcept {
    MarkDeleted();
    for (const auto& control : Elements()) control->MarkTreeDeleted();
}

}  // namespace tarn::host::sim
