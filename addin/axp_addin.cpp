// The add-in framework's side of Outlook's connection protocol.
#include "addin/axp_addin.h"

#include "addin/addin_error.h"
#include "addin/addin_identity.h"
#include "addin/command_bar_lookup.h"
#include "host/host_error.h"
#include "platform/codepage.h"

namespace tarn::addin {

namespace {

std::string UpperCase(std::string text) {
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return text;
}

// While the user unloads the add-in, the Outlook that is connected is the one to clean.
class ConnectedOutlook final : public host::HostLauncher {
public:
    explicit ConnectedOutlook(host::ApplicationPtr application) : application_(std::move(application)) {}
    std::unique_ptr<host::ReachedHost> Reach(std::u16string_view) override {
        struct Reached final : host::ReachedHost {
            explicit Reached(host::ApplicationPtr app) : application(std::move(app)) {}
            host::ApplicationPtr Application() override { return application; }
            host::ApplicationPtr application;
        };
        return std::make_unique<Reached>(application_);
    }

private:
    host::ApplicationPtr application_;
};

// Runs one of the add-in's hooks: whatever it raises goes to the error report.
template <class Hook>
void RunHook(TaxpAddIn& addin, Hook&& hook) noexcept {
    try {
        std::forward<Hook>(hook)();
    } catch (const std::exception& error) {
        addin.ReportError(error);
    } catch (...) {
        addin.ReportError(std::runtime_error(platform::CurrentFailureText()));
    }
}

}  // namespace

TaxpAddIn::TaxpAddIn(platform::Services& services, ButtonFaceSource& faces, AddInRegistration& registration)
    : services_(services),
      faces_(faces),
      registration_(registration),
      add_in_key_(services.registry, services.diagnostics, OutlookHost) {}

TaxpAddIn::~TaxpAddIn() = default;

host::Application& TaxpAddIn::OutlookApp() const {
    if (!outlook_) throw host::HostError("Application", "the add-in is not connected to Outlook");
    return *outlook_;
}

void TaxpAddIn::OnConnection(host::HostApplicationPtr application, int connect_mode,
                             std::shared_ptr<host::ComAddIn> add_in, std::shared_ptr<host::AddinObject> self) {
    host_application_ = std::move(application);
    // Connected while the host runs (from its add-in list): the host will not say that its
    // start-up is complete, so the start-up runs now.
    if (connect_mode != ConnectAtHostStartup) OnStartupComplete();
    if (!add_in) throw host::HostError("COMAddIn", "the add-in's entry is not a COM add-in");
    com_add_in_ = std::move(add_in);
    com_add_in_->SetObject(std::move(self));
}

void TaxpAddIn::ReadStartMode() {
    start_mode_ = StartMode::FirstStart;
    if (!add_in_key_.Opens()) return;
    const std::string mode = UpperCase(add_in_key_.ReadAddInValue("AxpStartMode"));
    if (mode == "NORMAL") start_mode_ = StartMode::Normal;
    else if (mode == "UNINSTALL") start_mode_ = StartMode::Uninstall;
}

void TaxpAddIn::OnStartupComplete() {
    outlook_ = host_application_ ? host_application_->AsOutlookApplication() : nullptr;
    if (!outlook_) {
        throw AddinError("Add-in " + platform::Narrow(FriendlyName) +
                             " initialization is failed. This Add-in doesn't support this application.",
                         error_number::UnsupportedHost);
    }
    ReadStartMode();
    command_bars_ = ActiveWindowCommandBars(*outlook_);
    control_sinks_.clear();
    bar_names_.clear();
    if (!loaded_for_registration_ && start_mode_ != StartMode::Uninstall) RunHook(*this, [this] { Startup(); });
    if (start_mode_ == StartMode::FirstStart) add_in_key_.WriteAddInValue("AxpStartMode", "NORMAL");
}

void TaxpAddIn::OnBeginShutdown() {
    command_bars_ = ActiveWindowCommandBars(OutlookApp());
    if (!loaded_for_registration_) RunHook(*this, [this] { Shutdown(); });
    if (command_bars_) ReleaseControlsAndBars(command_bars_);
}

void TaxpAddIn::RemoveControlsIfUninstalled() {
    const auto add_ins = OutlookApp().COMAddIns();
    const long count = add_ins->Count();
    for (long index = 1; index <= count; ++index) {
        if (add_ins->Item(index)->ProgId() == ProgId) return;  // still in Outlook's list
    }
    ConnectedOutlook connected(outlook_);
    registration_.RemoveAddInControls(connected);
}

void TaxpAddIn::OnDisconnection(int remove_mode) {
    user_closed_ = remove_mode != DisconnectAtHostShutdown;
    // The user unloads the add-in: the host will not announce a shutdown.
    if (user_closed_) {
        OnBeginShutdown();
        RemoveControlsIfUninstalled();
    }
    for (auto& [key, sink] : control_sinks_) sink->Release();
    control_sinks_.clear();
    bar_names_.clear();
    command_bars_.reset();
    outlook_.reset();
    com_add_in_.reset();
    host_application_.reset();
    user_closed_ = false;
}

void TaxpAddIn::ReportError(const std::exception& error) noexcept {
    services_.diagnostics.Record("ReportError", error.what());
    platform::Contain(services_.diagnostics, "ReportError", [&] {
        const std::u16string text = std::u16string(FriendlyName) + u" error: the add-in has fired an exception.\r\n" +
                                    platform::Widen(error.what());
        services_.message_boxes.Show(text, std::u16string(FriendlyName), platform::MessageBoxKind::Error);
    });
}

void TaxpAddIn::ControlClick(const std::u16string&, const host::CommandBarControlPtr&) {}

void TaxpAddIn::OwnedClick(const std::u16string& tag, const host::CommandBarControlPtr& control) noexcept {
    RunHook(*this, [&] { ControlClick(tag, control); });
}

}  // namespace tarn::addin
