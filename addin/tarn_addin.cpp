#include "addin/tarn_addin.h"

#include "quarantine/quarantine_folder.h"

namespace tarn::addin {

namespace {

// In the installation folder, beside the lists.
constexpr std::string_view DiagnosticsFileName = "Tarn4OL.log";

}  // namespace

TTarnAddin::TTarnAddin(platform::Services& services, dialogs::DialogFactory& dialogs, screening::RulesEngine& engine,
                       ButtonFaceSource& faces, AddInRegistration& registration,
                       std::filesystem::path installation_directory)
    : TaxpAddIn(services, faces, registration),
      services_(services),
      dialogs_(dialogs),
      engine_(engine),
      directory_(std::move(installation_directory)),
      view_(services.mapi),
      report_(directory_, services),
      after_startup_(services.timers, services.diagnostics) {}

// The engine outlives the add-in: it must not tell a lesson to an add-in that is gone.
TTarnAddin::~TTarnAddin() { engine_.OnLesson({}); }

host::FolderPtr TTarnAddin::GetQuarantineFolder() { return quarantine::GetQuarantineFolder(OutlookApp()); }

void TTarnAddin::ProduceInboxReport() { report_.ProduceInboxReport(OutlookApp()); }

void TTarnAddin::ReportIfDue() { report_.ReportIfDue(OutlookApp(), settings_); }

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
