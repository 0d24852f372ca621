#include "addin/tarn_addin.h"

#include "platform/codepage.h"
#include "quarantine/quarantine_folder.h"

namespace tarn::addin {

namespace {

constexpr std::u16string_view FriendlyName = u"Orvik' Tarn!";
// In the installation folder, beside the lists.
constexpr std::string_view DiagnosticsFileName = "Tarn4OL.log";

}  // namespace

TTarnAddin::TTarnAddin(host::ApplicationPtr application, platform::Services& services, dialogs::DialogFactory& dialogs,
                       screening::RulesEngine& engine, std::filesystem::path installation_directory)
    : application_(std::move(application)),
      services_(services),
      dialogs_(dialogs),
      engine_(engine),
      directory_(std::move(installation_directory)),
      view_(services.mapi),
      report_(directory_, services) {}

TTarnAddin::~TTarnAddin() = default;

void TTarnAddin::ReportError(const std::exception& error) noexcept {
    services_.diagnostics.Record("ReportError", error.what());
    platform::Contain(services_.diagnostics, "ReportError", [&] {
        const std::u16string text = std::u16string(FriendlyName) + u" error: the add-in has fired an exception.\r\n" +
                                    platform::Widen(error.what());
        services_.message_boxes.Show(text, std::u16string(FriendlyName), platform::MessageBoxKind::Error);
    });
}

host::FolderPtr TTarnAddin::GetQuarantineFolder() {
    return quarantine::GetQuarantineFolder(*application_);
}

void TTarnAddin::ProduceInboxReport() {
    report_.ProduceInboxReport(*application_);
}

void TTarnAddin::ReportIfDue() {
    report_.ReportIfDue(*application_, settings_);
}

void TTarnAddin::SetupDiagnosticsLog() {
    services_.diagnostics.SetFile(directory_ / DiagnosticsFileName, settings_.diagnostics);
}

void TTarnAddin::SetupReportTimer() {
    if (!report_timer_) return;
    report_timer_->SetInterval(quarantine::ReportTimerInterval(settings_.reporting_interval));
    // A report that failed waits for the next tick; nothing leaves a timer message.
    report_timer_->SetHandler([this] { platform::Contain(services_.diagnostics, "ReportIfDue", [this] { ReportIfDue(); }); });
}

}  // namespace tarn::addin
