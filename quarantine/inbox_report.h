#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/application.h"
#include "platform/codepage.h"
#include "platform/services.h"
#include "store/settings.h"

namespace tarn::quarantine {

// The report page could not be written: the pending rows are kept for the next report and
// no page was opened.
class ReportNotWritten : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The pending inbox quarantine report: one HTML row per spam message moved since the last
// report, turned into "FLUSH.htm" in the installation directory and opened in the user's
// browser on a timer, when Outlook closes, on demand, or after more than 100 spam messages.
class InboxReport {
public:
    // The page declares the code page its rows are in: the machine's ANSI code page.
    InboxReport(std::filesystem::path installation_directory, platform::Services& services,
                unsigned code_page = platform::AnsiCodePage())
        : directory_(std::move(installation_directory)), services_(services), code_page_(code_page) {}

    const std::vector<std::string>& ReportRows() const noexcept { return rows_; }
    void AddRow(std::string row) { rows_.push_back(std::move(row)); }

    // The spam messages of the new-mail screening since the last report (8 bits, signed).
    std::int8_t FSpamSinceReport() const noexcept { return spam_since_report_; }
    void CountSpam() noexcept { spam_since_report_ = static_cast<std::int8_t>(spam_since_report_ + 1); }
    void ResetSpamCount() noexcept { spam_since_report_ = 0; }

    std::filesystem::path PagePath() const { return directory_ / "FLUSH.htm"; }

    // Writes the pending rows into the page, opens it, and starts a new pending report.
    // Nothing at all happens without pending rows. When the page cannot be written the rows
    // stay pending, nothing is opened and ReportNotWritten is raised; a failure of the
    // templates or of the host reaches the caller likewise, the rows kept.
    void ProduceInboxReport(host::Application& application);

    // The report of the timer and of Outlook's closing: produced unless paused, in manual
    // mode, or with the interval "Never".
    void ReportIfDue(host::Application& application, const store::Settings& settings);

private:
    std::string ComposePage(host::Application& application) const;
    std::string DateTimeText() const;

    std::filesystem::path directory_;
    platform::Services& services_;
    unsigned code_page_;
    std::vector<std::string> rows_;
    std::int8_t spam_since_report_ = 0;
};

// The report timer's interval for the setting "Reporting Interval": 15 minutes per step, and
// 0 (never fires) for "Never" (0) and "Upon exit only" (5).
std::chrono::milliseconds ReportTimerInterval(std::uint8_t reporting_interval);

}  // namespace tarn::quarantine
