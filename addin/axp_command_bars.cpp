// The add-in framework's command bars and controls: found or made in Outlook, kept in step
// with the add-in key from one run to the next, listened to, and released at shutdown.
#include "addin/addin_error.h"
#include "addin/axp_addin.h"
#include "addin/command_bar_lookup.h"
#include "addin/control_key.h"
#include "platform/codepage.h"

namespace tarn::addin {

namespace {

// The bar and control states the add-in key and the controls' Parameter hold.
constexpr std::string_view FirstStart = "FirstStart";
constexpr std::string_view UserClose = "UserClose";
constexpr std::u16string_view FirstStartMark = u"FirstStart";
constexpr std::u16string_view UserCloseMark = u"UserClose";

}  // namespace

host::CommandBarsPtr TaxpAddIn::ActiveExplorerCommandBars() const {
    if (OutlookApp().Explorers()->Count() < 1) return nullptr;
    const auto explorer = OutlookApp().ActiveExplorer();
    return explorer ? explorer->CommandBars() : nullptr;
}

host::CommandBarPtr TaxpAddIn::FindBar(host::CommandBars& bars, const std::u16string& name) const {
    return FindBarByName(bars, name);
}

host::CommandBarPtr TaxpAddIn::AddCommandBarIn(const host::CommandBarsPtr& bars, const std::u16string& name,
                                               bool& created, host::BarPosition position, bool temporary) {
    const std::string narrow_name = platform::Narrow(name);
    if (name.find(u'\'') != std::u16string::npos) {
        throw AddinError("Illegal character in the " + narrow_name + " commandbar name.", error_number::IllegalBarName);
    }
    host::CommandBarPtr bar = FindBar(*bars, name);
    // A bar still marked as just made was left by a run that stopped before showing it.
    while (bar && add_in_key_.ReadAddInValue(narrow_name) == FirstStart) {
        bar->Delete();
        bar = FindBar(*bars, name);
    }
    created = !bar;
    if (!bar) {
        bar = bars->Add(name, position, temporary);
        bar->SetNameLocal(name);
        add_in_key_.RecordCommandBar(narrow_name);
        add_in_key_.WriteAddInValue(narrow_name, FirstStart);
    }
    if (std::find(bar_names_.begin(), bar_names_.end(), name) == bar_names_.end()) bar_names_.push_back(name);
    const std::string state = add_in_key_.ReadAddInValue(narrow_name);
    if ((state == FirstStart || state == UserClose) && position != host::BarPosition::Popup) bar->SetVisible(true);
    add_in_key_.WriteAddInValue(narrow_name, "");
    return bar;
}

host::CommandBarControlPtr TaxpAddIn::FindControlIn(const host::CommandBarsPtr& bars, const std::u16string& tag,
                                                    host::ControlType type) {
    return bars->FindControl(type, tag);
}

host::CommandBarControlPtr TaxpAddIn::CreateControl(const host::CommandBarsPtr& bars, const std::u16string& bar_name,
                                                    const std::u16string& caption, const std::u16string& tag,
                                                    const std::u16string& hint, host::ControlType type,
                                                    std::optional<long> before,
                                                    const host::CommandBarControlPtr& parent, bool temporary) {
    std::shared_ptr<host::CommandBarControls> controls;
    if (parent) {
        controls = parent->Controls();
    } else {
        const auto bar = FindBar(*bars, bar_name);
        if (!bar) {
            throw AddinError("Control " + platform::Narrow(caption) + " initialization is failed. Can not find the " +
                                 platform::Narrow(bar_name) + " Command Bar.",
                             error_number::MissingCommandBar);
        }
        controls = bar->Controls();
    }
    auto control = controls->Add(type, before, temporary);
    control->SetTag(tag);
    control->SetCaption(caption);
    control->SetTooltipText(hint);
    control->SetParameter(std::u16string(FirstStartMark));
    add_in_key_.RecordControl(ControlKey(type, tag));
    return control;
}

host::CommandBarControlPtr TaxpAddIn::AddControlIn(const host::CommandBarsPtr& bars, const std::u16string& bar_name,
                                                   const std::u16string& caption, const std::u16string& tag,
                                                   const std::u16string& hint, host::ControlType type, bool& created,
                                                   std::optional<long> before,
                                                   const host::CommandBarControlPtr& parent, bool temporary) {
    auto control = FindControlIn(bars, tag, type);
    created = !control;
    if (!control) {
        control = CreateControl(bars, bar_name, caption, tag, hint, type, before, parent, temporary);
    } else if (control->Parameter() == FirstStartMark || start_mode_ == StartMode::FirstStart) {
        // Left half-made by an earlier run, or the first start after registration: made anew.
        control->Delete(false);
        control = CreateControl(bars, bar_name, caption, tag, hint, type, before, parent, false);
        created = true;
    }
    const std::u16string mark = control->Parameter();
    if (mark == FirstStartMark || mark == UserCloseMark) control->SetVisible(true);
    control->SetParameter(u"");
    const auto number = static_cast<std::uint32_t>(control_sinks_.size());
    control_sinks_.emplace_back(ControlKey(type, tag),
                                std::make_unique<TaxpEventSink>(static_cast<ClickReceiver&>(*this), services_.diagnostics,
                                                                control, number));
    return control;
}

host::CommandBarControlPtr TaxpAddIn::AddButtonIn(const host::CommandBarsPtr& bars, const std::u16string& bar_name,
                                                  const std::u16string& caption, const std::u16string& tag,
                                                  const std::u16string& hint, std::string_view bitmap_name, int style,
                                                  bool& created, std::optional<long> before,
                                                  const host::CommandBarControlPtr& parent,
                                                  std::uint32_t transparent_colour, bool temporary) {
    auto button = AddControlIn(bars, bar_name, caption, tag, hint, host::ControlType::Button, created, before, parent,
                               temporary);
    if (!created) return button;  // a button found keeps its style and face
    button->SetStyle(style);
    if (!bitmap_name.empty()) {
        const auto transparent =
            transparent_colour == DefaultTransparentColour ? std::nullopt : std::optional<std::uint32_t>(transparent_colour);
        const FaceAndMask face = faces_.Face(bitmap_name, transparent);
        button->SetPicture(face.face);
        button->SetMask(face.mask);
    }
    return button;
}

host::CommandBarPtr TaxpAddIn::AddCommandBar(const std::u16string& name, bool& created, host::BarPosition position,
                                             bool temporary) {
    created = false;
    const auto bars = ActiveExplorerCommandBars();
    return bars ? AddCommandBarIn(bars, name, created, position, temporary) : nullptr;
}

host::CommandBarControlPtr TaxpAddIn::FindControl(const std::u16string& tag, host::ControlType type) {
    const auto bars = ActiveExplorerCommandBars();
    return bars ? FindControlIn(bars, tag, type) : nullptr;
}

host::CommandBarControlPtr TaxpAddIn::AddButton(const std::u16string& bar_name, const std::u16string& caption,
                                                const std::u16string& tag, const std::u16string& hint,
                                                std::string_view bitmap_name, int style, bool& created,
                                                std::optional<long> before, const host::CommandBarControlPtr& parent,
                                                std::uint32_t transparent_colour, bool temporary) {
    created = false;
    const auto bars = ActiveExplorerCommandBars();
    return bars ? AddButtonIn(bars, bar_name, caption, tag, hint, bitmap_name, style, created, before, parent,
                              transparent_colour, temporary)
                : nullptr;
}

void TaxpAddIn::ReleaseControlsAndBars(const host::CommandBarsPtr& bars) {
    // The controls, the last made first: hidden and marked, so that the next start shows them.
    while (!control_sinks_.empty()) {
        auto& [key, sink] = control_sinks_.back();
        const SplitKey split = SplitControlKey(key);
        const auto type = TypeOfKindWord(split.kind);
        const auto control = type ? FindControlIn(bars, platform::Widen(split.tag), *type) : nullptr;
        sink->Release();
        control_sinks_.pop_back();
        if (control) {
            control->SetParameter(u"");
            control->SetVisible(false);
            control->SetParameter(std::u16string(UserCloseMark));
        }
    }
    // The bars: hidden unless the user unloads the add-in and the bar still shows a control.
    for (const auto& name : bar_names_) {
        const auto bar = FindBar(*bars, name);
        if (!bar) continue;
        bool shows_control = false;
        const auto controls = bar->Controls();
        const long count = controls->Count();
        for (long index = 1; index <= count && !shows_control; ++index) shows_control = controls->Item(index)->Visible();
        const bool visible = shows_control && user_closed_;
        bar->SetVisible(visible);
        if (!visible) add_in_key_.WriteAddInValue(platform::Narrow(bar->NameLocal()), UserClose);
    }
}

}  // namespace tarn::addin
