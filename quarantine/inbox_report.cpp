#include "quarantine/inbox_report.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "quarantine/placeholders.h"
#include "quarantine/report_page_head.h"
#include "screening/text_tools.h"

namespace tarn::quarantine {

namespace {

constexpr std::uint8_t ManualReporting = 1;
constexpr std::uint8_t NeverReport = 0;
constexpr std::uint8_t ReportOnExitOnly = 5;
constexpr std::chrono::minutes ReportingStep{15};

std::string TemplateText(std::string_view name) {
    std::string text;
    for (const auto& line : screening::LoadResourceLines(name)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace

std::chrono::milliseconds ReportTimerInterval(std::uint8_t reporting_interval) {
    if (reporting_interval == NeverReport || reporting_interval == ReportOnExitOnly) return std::chrono::milliseconds(0);
    return ReportingStep * reporting_interval;
}

std::string InboxReport::DateTimeText() const {
    return services_.locale.DateTimeText(services_.clock.Now());
}

std::string InboxReport::ComposePage(host::Application& application) const {
    std::string page = ReportPageHead(code_page_);
    std::string heading = TemplateText("SUBJECTINBOX");
    ReplacePlaceholder(heading, "$date$", DateTimeText());
    ReplacePlaceholder(heading, "$Folder$", "INBOX");
    page += heading;
    for (const auto& row : rows_) {
        page += row;
        page += "\r\n";
    }
    page += "</TABLE><HR></H5><FONT SIZE=1>[Orvik' Tarn Log-Book " + DateTimeText() + "]</BODY></HTML>";
    ReplacePlaceholder(page, "$Account$", "myself");
    ReplacePlaceholder(page, "$HeaderDate$", DateTimeText());
    ReplacePlaceholder(page, "$Subject$", "Orvik' Tarn Quarantine Report " + DateTimeText());
    ReplacePlaceholder(page, "$nbmsgs$", std::to_string(rows_.size()));
    ReplacePlaceholder(page, "$UIDL$", "123456789");
    const auto inbox = application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
    ReplacePlaceholder(page, "$Quar$", platform::Narrow(inbox->Name()) + "/Quarantine");
    return page;
}

void InboxReport::ProduceInboxReport(host::Application& application) {
    if (rows_.empty()) return;
    const std::string page = ComposePage(application);
    try {
        platform::ReplaceFileContent(PagePath(), page);
    } catch (const platform::FileError& error) {
        // A page that was not written must not be shown as the new report; the rows wait.
        spam_since_report_ = 0;
        throw ReportNotWritten(error.what());
    }
    services_.shell.Open(PagePath().u16string(), platform::ShowCommand::ShowNormal);
    spam_since_report_ = 0;
    rows_.clear();
}

void InboxReport::ReportIfDue(host::Application& application, const store::Settings& settings) {
    if (settings.paused || settings.automatic_report == ManualReporting || settings.reporting_interval == NeverReport) {
        return;
    }
    ProduceInboxReport(application);
}

}  // namespace tarn::quarantine
