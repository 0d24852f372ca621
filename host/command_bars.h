#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host/constants.h"
#include "host/picture.h"
#include "host/subscription.h"

namespace tarn::host {

class CommandBarControls;

// An Office command bar control (button, edit, drop-down, combo box, pop-up).
class CommandBarControl {
public:
    // Receives the control that raised the event (the clicked one, which may be another
    // control object with the same tag).
    using EventHandler = std::function<void(const std::shared_ptr<CommandBarControl>& control)>;

    virtual ~CommandBarControl() = default;

    virtual ControlType Type() = 0;
    virtual std::u16string Tag() = 0;
    virtual void SetTag(const std::u16string& tag) = 0;
    virtual std::u16string Caption() = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    virtual std::u16string TooltipText() = 0;
    virtual void SetTooltipText(const std::u16string& text) = 0;
    // "Parameter": free text the host keeps per control instance.
    virtual std::u16string Parameter() = 0;
    virtual void SetParameter(const std::u16string& text) = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    // Button members: "Style", and the face as "Picture" and "Mask" (white where the face is
    // transparent, black where it shows), which leave the user's clipboard alone.
    virtual int Style() = 0;
    virtual void SetStyle(int style) = 0;
    virtual void SetPicture(const Picture& picture) = 0;
    virtual void SetMask(const Picture& mask) = 0;
    // The controls inside a pop-up; HostError for other kinds.
    virtual std::shared_ptr<CommandBarControls> Controls() = 0;
    virtual void Delete(bool temporary) = 0;

    // "Click" of the button events (buttons only) and "Change" of the combo-box events (edit,
    // drop-down, combo box); a pop-up raises neither, and HostError comes for an event the
    // control type has not. The host raises a click on every connected control that carries the
    // clicked control's tag.
    virtual Subscription OnClick(EventHandler handler) = 0;
    virtual Subscription OnChange(EventHandler handler) = 0;
};

using CommandBarControlPtr = std::shared_ptr<CommandBarControl>;

class CommandBarControls {
public:
    virtual ~CommandBarControls() = default;
    virtual long Count() = 0;
    virtual CommandBarControlPtr Item(long index) = 0;
    // "Add": before is a 1-based position, or none to append.
    virtual CommandBarControlPtr Add(ControlType type, std::optional<long> before, bool temporary) = 0;
};

class CommandBar {
public:
    virtual ~CommandBar() = default;
    virtual std::u16string Name() = 0;
    virtual std::u16string NameLocal() = 0;
    virtual void SetNameLocal(const std::u16string& name) = 0;
    virtual BarPosition Position() = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual std::shared_ptr<CommandBarControls> Controls() = 0;
    virtual void Delete() = 0;
};

using CommandBarPtr = std::shared_ptr<CommandBar>;

// The command bars of one window.
class CommandBars {
public:
    virtual ~CommandBars() = default;
    virtual long Count() = 0;
    virtual CommandBarPtr Item(long index) = 0;
    virtual CommandBarPtr Add(const std::u16string& name, BarPosition position, bool temporary) = 0;
    // "FindControl(Type, Id, Tag, Visible)" with no id and no visibility argument: the first
    // control of that type and tag on any bar of the collection, or null.
    virtual CommandBarControlPtr FindControl(ControlType type, const std::u16string& tag) = 0;
};

using CommandBarsPtr = std::shared_ptr<CommandBars>;

}  // namespace tarn::host
