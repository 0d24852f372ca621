#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "addin/addin_key.h"
#include "addin/addin_registration.h"
#include "addin/button_face_source.h"
#include "addin/event_sink.h"
#include "host/application.h"
#include "platform/services.h"

namespace tarn::addin {

// How the add-in starts, as "AxpStartMode" in its key says.
enum class StartMode : std::uint8_t {
    FirstStart = 0,  // just registered: controls are made anew
    Normal = 1,
    Uninstall = 2,   // being unregistered: the add-in stays inert
};

// IDTExtensibility2's ext_ConnectMode: how the host connects the add-in.
inline constexpr int ConnectAtHostStartup = 1;  // ext_cm_Startup: OnStartupComplete follows
// ext_DisconnectMode: 0 the host shuts down, anything else the user unloads the add-in.
inline constexpr int DisconnectAtHostShutdown = 0;
inline constexpr int DisconnectByUser = 1;  // ext_dm_UserClosed: unticked in the COM Add-ins dialog

// Office's "default colour" for a button face: take the picture's bottom-left pixel.
inline constexpr std::uint32_t DefaultTransparentColour = 0x20000000;

// The add-in framework: Outlook's connection protocol (IDTExtensibility2's five calls), the
// start mode in the add-in's key, command bars and controls that stay consistent from one run
// of Outlook to the next, click routing that runs one command per click, and error reports.
// The add-in proper derives from it and fills in Startup, Shutdown and ControlClick.
//
// The connection calls raise what fails; the COM server turns it into the failure result
// (an AddinError carries the help context).
class TaxpAddIn : private ClickReceiver {
public:
    // The faces come from the library's bitmaps; the registration removes the add-in's
    // controls when the user takes the add-in out of Outlook's list.
    TaxpAddIn(platform::Services& services, ButtonFaceSource& faces, AddInRegistration& registration);
    ~TaxpAddIn() override;
    TaxpAddIn(const TaxpAddIn&) = delete;
    TaxpAddIn& operator=(const TaxpAddIn&) = delete;

    // `add_in` is the host's COM add-in entry of this add-in, whose Object becomes `self`.
    void OnConnection(host::HostApplicationPtr application, int connect_mode, std::shared_ptr<host::ComAddIn> add_in,
                      std::shared_ptr<host::AddinObject> self);
    void OnStartupComplete();
    void OnAddInsUpdate() {}
    void OnBeginShutdown();
    void OnDisconnection(int remove_mode);
    // The library was loaded into this process only to register or unregister itself: the
    // connection then leaves the add-in's own start-up and shutdown out.
    void SetLoadedForRegistration(bool loaded) noexcept { loaded_for_registration_ = loaded; }

    // The modal error message of a failed hook or command.
    void ReportError(const std::exception& error) noexcept;

    // Command bars of a collection, found by name (or local name, case ignored) or made:
    // a bar made here is recorded in the add-in key, and its state there keeps it visible or
    // not from one run to the next. `created` tells whether it was made now.
    host::CommandBarPtr AddCommandBarIn(const host::CommandBarsPtr& bars, const std::u16string& name, bool& created,
                                        host::BarPosition position, bool temporary);
    // The first control of that type and tag in the collection, or null.
    host::CommandBarControlPtr FindControlIn(const host::CommandBarsPtr& bars, const std::u16string& tag,
                                             host::ControlType type);
    // Finds or makes a control, shows it when the last shutdown hid it, and listens to it.
    // `before` is a 1-based position in the bar, none to append; `parent` a pop-up to add into.
    host::CommandBarControlPtr AddControlIn(const host::CommandBarsPtr& bars, const std::u16string& bar_name,
                                            const std::u16string& caption, const std::u16string& tag,
                                            const std::u16string& hint, host::ControlType type, bool& created,
                                            std::optional<long> before, const host::CommandBarControlPtr& parent,
                                            bool temporary);
    // AddControlIn of a button; a button made now gets its style and, when a bitmap is named,
    // its face (with `transparent_colour`, or DefaultTransparentColour).
    host::CommandBarControlPtr AddButtonIn(const host::CommandBarsPtr& bars, const std::u16string& bar_name,
                                           const std::u16string& caption, const std::u16string& tag,
                                           const std::u16string& hint, std::string_view bitmap_name, int style,
                                           bool& created, std::optional<long> before,
                                           const host::CommandBarControlPtr& parent, std::uint32_t transparent_colour,
                                           bool temporary);
    // The same on the active explorer's command bars; without an explorer they do nothing and
    // give null.
    host::CommandBarPtr AddCommandBar(const std::u16string& name, bool& created, host::BarPosition position,
                                      bool temporary);
    host::CommandBarControlPtr FindControl(const std::u16string& tag, host::ControlType type);
    host::CommandBarControlPtr AddButton(const std::u16string& bar_name, const std::u16string& caption,
                                         const std::u16string& tag, const std::u16string& hint,
                                         std::string_view bitmap_name, int style, bool& created,
                                         std::optional<long> before, const host::CommandBarControlPtr& parent,
                                         std::uint32_t transparent_colour, bool temporary);

    StartMode CurrentStartMode() const noexcept { return start_mode_; }

protected:
    virtual void Startup() {}
    virtual void Shutdown() {}
    virtual void ControlClick(const std::u16string& tag, const host::CommandBarControlPtr& control);

    // Outlook's Application while connected; HostError when the add-in is not connected.
    host::Application& OutlookApp() const;

private:
    void OwnedClick(const std::u16string& tag, const host::CommandBarControlPtr& control) noexcept override;
    host::CommandBarsPtr ActiveExplorerCommandBars() const;
    host::CommandBarPtr FindBar(host::CommandBars& bars, const std::u16string& name) const;
    host::CommandBarControlPtr CreateControl(const host::CommandBarsPtr& bars, const std::u16string& bar_name,
                                             const std::u16string& caption, const std::u16string& tag,
                                             const std::u16string& hint, host::ControlType type,
                                             std::optional<long> before, const host::CommandBarControlPtr& parent,
                                             bool temporary);
    void ReleaseControlsAndBars(const host::CommandBarsPtr& bars);
    void RemoveControlsIfUninstalled();
    void ReadStartMode();

    platform::Services& services_;
    ButtonFaceSource& faces_;
    AddInRegistration& registration_;
    AddInKey add_in_key_;
    host::HostApplicationPtr host_application_;
    host::ApplicationPtr outlook_;
    std::shared_ptr<host::ComAddIn> com_add_in_;
    host::CommandBarsPtr command_bars_;
    StartMode start_mode_ = StartMode::FirstStart;
    bool user_closed_ = false;
    bool loaded_for_registration_ = false;
    // Every control made or adopted since the connection, by key, with the sink that listens
    // to it; every bar made or adopted.
    std::vector<std::pair<std::string, std::unique_ptr<TaxpEventSink>>> control_sinks_;
    std::vector<std::u16string> bar_names_;
};

}  // namespace tarn::addin
