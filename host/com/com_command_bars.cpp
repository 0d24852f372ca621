// Office's command bars, their controls and the controls' events.
#include "host/com/com_objects.h"
#include "host/com/com_picture.h"
#include "host/com/event_sink.h"
#include "host/com/outlook_ids.h"
#include "host/host_error.h"

namespace tarn::host::com {

namespace {

Variant Flag(bool value) { return Variant::Bool(value); }

}  // namespace

long ComCommandBars::Count() { return Object().GetLong(u"Count"); }

CommandBarPtr ComCommandBars::Item(long index) {
    return Wrap<ComCommandBar>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

CommandBarPtr ComCommandBars::Add(const std::u16string& name, BarPosition position, bool temporary) {
    // Add(Name, Position, MenuBar, Temporary)
    return Wrap<ComCommandBar>(Shared(), Object().Call(u"Add", {Variant::String(name), Variant::Long(static_cast<long>(position)),
                                                                Variant::Missing(), Flag(temporary)})
                                             .AsDispatch());
}

CommandBarControlPtr ComCommandBars::FindControl(ControlType type, const std::u16string& tag) {
    // FindControl(Type, Id, Tag, Visible)
    return Wrap<ComCommandBarControl>(
        Shared(), Object().Call(u"FindControl", {Variant::Long(static_cast<long>(type)), Variant::Missing(),
                                                 Variant::String(tag), Variant::Missing()})
                      .AsDispatch());
}

std::u16string ComCommandBar::Name() { return Object().GetString(u"Name"); }
std::u16string ComCommandBar::NameLocal() { return Object().GetString(u"NameLocal"); }
void ComCommandBar::SetNameLocal(const std::u16string& name) { Object().Put(u"NameLocal", Variant::String(name)); }
BarPosition ComCommandBar::Position() { return static_cast<BarPosition>(Object().GetLong(u"Position")); }
bool ComCommandBar::Visible() { return Object().GetBool(u"Visible"); }
void ComCommandBar::SetVisible(bool visible) { Object().Put(u"Visible", Flag(visible)); }
bool ComCommandBar::Enabled() { return Object().GetBool(u"Enabled"); }
void ComCommandBar::SetEnabled(bool enabled) { Object().Put(u"Enabled", Flag(enabled)); }

std::shared_ptr<host::CommandBarControls> ComCommandBar::Controls() {
    return Wrap<ComCommandBarControls>(Shared(), Object().GetObject(u"Controls"));
}

void ComCommandBar::Delete() { Object().Call(u"Delete"); }

long ComCommandBarControls::Count() { return Object().GetLong(u"Count"); }

CommandBarControlPtr ComCommandBarControls::Item(long index) {
    return Wrap<ComCommandBarControl>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

CommandBarControlPtr ComCommandBarControls::Add(ControlType type, std::optional<long> before, bool temporary) {
    // Add(Type, Id, Parameter, Before, Temporary)
    return Wrap<ComCommandBarControl>(
        Shared(), Object().Call(u"Add", {Variant::Long(static_cast<long>(type)), Variant::Missing(), Variant::Missing(),
                                         before ? Variant::Long(*before) : Variant::Missing(), Flag(temporary)})
                      .AsDispatch());
}

ControlType ComCommandBarControl::Type() { return static_cast<ControlType>(Object().GetLong(u"Type")); }

const AutomationObject& ComCommandBarControl::Typed() {
    if (!typed_) {
        const ControlType type = Type();
        const char* kind = type == ControlType::Button  ? "CommandBarButton"
                           : type == ControlType::Popup ? "CommandBarPopup"
                                                        : "CommandBarComboBox";
        typed_.emplace(Shared(), platform::ComPtr<IDispatch>(Object().Dispatch()), kind);
    }
    return *typed_;
}

std::u16string ComCommandBarControl::Tag() { return Typed().GetString(u"Tag"); }
void ComCommandBarControl::SetTag(const std::u16string& tag) { Typed().Put(u"Tag", Variant::String(tag)); }
std::u16string ComCommandBarControl::Caption() { return Typed().GetString(u"Caption"); }
void ComCommandBarControl::SetCaption(const std::u16string& caption) { Typed().Put(u"Caption", Variant::String(caption)); }
std::u16string ComCommandBarControl::TooltipText() { return Typed().GetString(u"TooltipText"); }
void ComCommandBarControl::SetTooltipText(const std::u16string& text) { Typed().Put(u"TooltipText", Variant::String(text)); }
std::u16string ComCommandBarControl::Parameter() { return Typed().GetString(u"Parameter"); }
void ComCommandBarControl::SetParameter(const std::u16string& text) { Typed().Put(u"Parameter", Variant::String(text)); }
bool ComCommandBarControl::Visible() { return Typed().GetBool(u"Visible"); }
void ComCommandBarControl::SetVisible(bool visible) { Typed().Put(u"Visible", Flag(visible)); }
bool ComCommandBarControl::Enabled() { return Typed().GetBool(u"Enabled"); }
void ComCommandBarControl::SetEnabled(bool enabled) { Typed().Put(u"Enabled", Flag(enabled)); }
int ComCommandBarControl::Style() { return static_cast<int>(Typed().GetLong(u"Style")); }
void ComCommandBarControl::SetStyle(int style) { Typed().Put(u"Style", Variant::Long(style)); }

void ComCommandBarControl::SetPicture(const Picture& picture) {
    Typed().Put(u"Picture", Variant::Dispatch(MakePictureDisp(picture).Get()));
}

void ComCommandBarControl::SetMask(const Picture& mask) {
    Typed().Put(u"Mask", Variant::Dispatch(MakePictureDisp(mask).Get()));
}

std::shared_ptr<host::CommandBarControls> ComCommandBarControl::Controls() {
    return Wrap<ComCommandBarControls>(Shared(), Typed().GetObject(u"Controls"));
}

void ComCommandBarControl::Delete(bool temporary) { Typed().Call(u"Delete", {Flag(temporary)}); }

Subscription ComCommandBarControl::OnClick(EventHandler handler) {
    // Click(Ctrl, CancelDefault): the control used, and a flag the add-in leaves alone.
    return Advise(Typed(), DIID_CommandBarButtonEvents, DISPID_Click, "Click",
                  [session = Shared(), handler = std::move(handler)](const std::vector<Variant>& arguments) {
                      if (arguments.empty()) throw HostError("CommandBarControl.Click", "the event brought no control");
                      handler(Wrap<ComCommandBarControl>(session, arguments[0].AsDispatch()));
                  });
}

Subscription ComCommandBarControl::OnChange(EventHandler handler) {
    return Advise(Typed(), DIID_CommandBarComboBoxEvents, DISPID_Change, "Change",
                  [session = Shared(), handler = std::move(handler)](const std::vector<Variant>& arguments) {
                      if (arguments.empty()) throw HostError("CommandBarControl.Change", "the event brought no control");
                      handler(Wrap<ComCommandBarControl>(session, arguments[0].AsDispatch()));
                  });
}

}  // namespace tarn::host::com
