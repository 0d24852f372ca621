#include "tools/sim/screen_mode.h"

#include <chrono>
#include <functional>
#include <variant>

#include "platform/codepage.h"
#include "store/settings.h"
#include "tools/sim/setting_overrides.h"
#include "tools/import/mailbox_reader.h"
#include "tools/import/read_ahead.h"
#include "tools/import/vcard_reader.h"
#include "host/sim/sim_items.h"
#include "tools/sim/addin_session.h"
#include "tools/sim/exit_status.h"
#include "tools/sim/folder_listing.h"
#include "tools/sim/json_text.h"
#include "tools/sim/screening_tally.h"
#include "tools/sim/store_paths.h"
#include "tools/sim/terminal_text.h"
#include "tools/sim/toolbar_listing.h"

namespace tarn::tools::sim {

namespace {

namespace tag = platform::prop_tag;

std::string Property(const host::sim::PropertyMap& properties, platform::PropTag property) {
    const auto found = properties.find(property);
    return found == properties.end() ? std::string() : found->second;
}

// A line on the terminal that counts the messages of a long run.
class ProgressLine {
public:
    ProgressLine(std::ostream& terminal, bool enabled) : terminal_(terminal), enabled_(enabled) {}
    void Update(const ScreeningTally& tally) {
        if (!enabled_ || tally.screened < 100) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last_ < std::chrono::milliseconds(200)) return;
        last_ = now;
        terminal_ << "\rtarn4ol-sim: " << tally.screened << " messages screened, " << tally.spam << " spam"
                  << std::flush;
        shown_ = true;
    }
    void Finish() {
        if (shown_) terminal_ << "\r\033[K" << std::flush;
    }

private:
    std::ostream& terminal_;
    bool enabled_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_{};
};

// Where a message came from and who sent what, for its line of output.
struct MessageLabel {
    std::string source;
    std::string subject;
    std::string sender;
};

void PrintMessage(std::ostream& out, bool json, const MessageLabel& label, const addin::ScreeningOutcome& outcome) {
    const std::string kind = VerdictKind(outcome);
    if (json) {
        out << "{\"source\":" << JsonUtf8String(label.source) << ",\"subject\":" << JsonString(label.subject)
            << ",\"sender\":" << JsonString(label.sender)
            << ",\"spam\":" << (outcome.spam ? "true" : "false") << ",\"rate\":" << outcome.rate
            << ",\"reason\":" << JsonString(outcome.reason) << ",\"decision\":" << JsonString(kind)
            << ",\"moved\":" << (outcome.moved ? "true" : "false");
        if (!outcome.failure.empty()) out << ",\"failure\":" << JsonString(outcome.failure);
        out << "}\n";
        return;
    }
    out << (outcome.spam ? "SPAM " : "ok   ") << TerminalUtf8(label.source) << "\n     " << kind;
    if (outcome.decision == addin::ScreeningOutcome::Decision::LocalTest ||
        outcome.decision == addin::ScreeningOutcome::Decision::Engine) {
        out << " (rate " << outcome.rate << (outcome.reason.empty() ? "" : ", " + TerminalAnsi(outcome.reason)) << ")";
    }
    if (!outcome.failure.empty()) out << ": " << TerminalAnsi(outcome.failure);
    out << " | " << TerminalAnsi(label.subject) << '\n';
}

// What became of the spam that was moved: the reports opened, and the spam no report holds.
struct ReportOutcome {
    std::size_t opened = 0;       // reports written and opened during the run
    std::size_t unreported = 0;   // rows still pending when the run ended
    bool exit_report_due = false; // the settings asked for a report at exit
};

// Outlook closes, and what its close did to the pending report is read from the add-in, which
// outlives the close in the simulator as it does not in Outlook.
ReportOutcome StopAndTell(AddinSession& session) {
    session.Stop();
    const store::Settings& settings = session.Addin().Settings();
    return {session.ReportsOpened(), session.Addin().Report().ReportRows().size(),
            !settings.paused && settings.automatic_report != 1 && settings.reporting_interval != 0};
}

void PrintSummary(std::ostream& out, bool json, const ScreeningTally& tally, const AddinSession& session,
                  const ReportOutcome& reports) {
    const std::string report = (session.State() / "FLUSH.htm").string();
    if (json) {
        out << "{\"summary\":{\"screened\":" << tally.screened << ",\"spam\":" << tally.spam
            << ",\"moved\":" << tally.moved << ",\"left_in_inbox\":" << tally.LeftInInbox()
            << ",\"unreadable\":" << tally.unreadable << ",\"by_decision\":{";
        const char* separator = "";
        for (const auto& [kind, count] : tally.by_kind) {
            out << separator << JsonString(kind) << ':' << count;
            separator = ",";
        }
        out << "},\"report\":" << (reports.opened > 0 ? JsonUtf8String(report) : std::string("null"))
            << ",\"reports_opened\":" << reports.opened << ",\"unreported\":" << reports.unreported
            << ",\"failures\":" << session.ContainedFailures() << "}}\n";
        return;
    }
    if (tally.screened == 0 && tally.unreadable == 0) {
        out << "\nNo new mail arrived in the Inbox.\n";  // the run worked on mail kept in folders
    } else {
        out << "\nScreened " << tally.screened << " messages: " << tally.spam << " spam (" << tally.moved
            << " moved out of the Inbox), " << tally.LeftInInbox() << " left in the Inbox.\n";
    }
    for (const auto& [kind, count] : tally.by_kind) out << "  " << count << "\t" << kind << '\n';
    if (tally.unreadable > 0) out << tally.unreadable << " could not be read (see above).\n";
    if (reports.opened > 0) {
        out << "Report: " << TerminalUtf8(report) << " (opened " << reports.opened
            << (reports.opened == 1 ? " time)\n" : " times)\n");
    }
    if (reports.unreported > 0) {
        out << reports.unreported << " spam message" << (reports.unreported == 1 ? " is" : "s are")
            << " in no report: "
            << (reports.exit_report_due ? "the report could not be written (see above).\n"
                                        : "the settings make no report at exit (paused, manual, or never).\n");
    } else if (reports.opened == 0) {
        out << "No report: no spam was moved.\n";
    }
    if (session.ContainedFailures() > 0) {
        out << session.ContainedFailures() << " failure" << (session.ContainedFailures() == 1 ? "" : "s")
            << " of the add-in (see above).\n";
    }
}

// The user's address book and the mail already in the store before Outlook starts. A file
// that cannot be read is told and counted, and the run goes on without it.
void KeepUsersStore(const CommandLine& command, AddinSession& session,
                    const std::function<void(const import::ImportFailure&)>& unreadable) {
    for (const auto& file : command.contacts) {
        try {
            for (const auto& contact : import::ReadVCardFile(file)) session.KeepContact(contact.emails);
        } catch (const import::VCardError& error) {
            unreadable({import::SourceLabel{file, std::nullopt}, error.what()});
        }
    }
    for (const auto& [folder_path, mailbox] : command.kept) {
        const auto folder = FolderAt(session.Outlook(), folder_path, true);
        import::ReadMailboxesAhead({mailbox}, [&](import::MailboxEntry entry) {
            if (auto* message = std::get_if<import::ImportedMessage>(&entry)) {
                session.Keep(folder, std::move(message->content));
            } else {
                unreadable(std::get<import::ImportFailure>(entry));
            }
        });
    }
}

// --show and --select; false (and told) when the folder or an item is not there.
bool ShowAndSelect(const CommandLine& command, AddinSession& session, std::ostream& errors) {
    try {
        if (!command.show.empty()) session.Show(FolderAt(session.Outlook(), command.show, false));
        if (!command.select.empty()) {
            const auto shown = session.MainWindow().ShownFolder();
            session.Select(ParseSelection(command.select, shown->StoredItems().Size()));
        }
        return true;
    } catch (const StorePathError& error) {
        errors << "tarn4ol-sim: " << TerminalUtf8(error.what()) << '\n';
        return false;
    }
}

}  // namespace

int RunScreen(const CommandLine& command, std::ostream& out, std::ostream& errors, bool show_progress) {
    // Checked before the session starts, so that a mistyped setting changes nothing.
    SettingOverrides::Check(command.settings);

    AddinSession session(command.state, errors, command.outlook);
    if (!session.SettingsProblem().empty()) {
        errors << "tarn4ol-sim: the settings were not read, and will not be written: "
               << TerminalAnsi(session.SettingsProblem()) << '\n';
    }
    ScreeningTally tally;
    const auto unreadable = [&](const import::ImportFailure& failure) {
        ++tally.unreadable;
        errors << "tarn4ol-sim: " << TerminalUtf8(failure.source.ToString()) << ": " << TerminalUtf8(failure.reason)
               << '\n';
    };
    KeepUsersStore(command, session, unreadable);
    session.Start();
    if (command.show_toolbars) PrintToolbars(out, command.json, session);
    // The stored values are read once the start (a first start writes them all) is over.
    SettingOverrides overrides(session.Registry(), command.settings);
    if (!overrides.Empty()) {
        session.Addin().Settings() = overrides.Over(session.Addin().Settings());
        session.Addin().SetupDiagnosticsLog();
    }

    bool user_failed = false;
    ProgressLine progress(errors, show_progress);

    import::ReadMailboxesAhead(command.sent_mailboxes, [&](import::MailboxEntry entry) {
        if (auto* message = std::get_if<import::ImportedMessage>(&entry)) {
            session.Deliver(host::DefaultFolder::SentMail, std::move(message->content));
        } else {
            unreadable(std::get<import::ImportFailure>(entry));
        }
    });

    addin::ScreeningOutcome outcome;
    session.Addin().SetScreeningObserver([&outcome](const host::ItemPtr&, const addin::ScreeningOutcome& screened) {
        outcome = screened;
    });
    const std::vector<std::filesystem::path> samples = {TARN_SAMPLE_MAILBOX};
    // The next messages are read and parsed while this one is screened, as Outlook has them
    // ready before the add-in hears of them.
    // Without any mailbox the sample arrives; mail kept in folders is a mailbox of its own.
    const bool sample = command.mailboxes.empty() && command.kept.empty();
    const auto& inbox_mailboxes = sample ? samples : command.mailboxes;
    import::ReadMailboxesAhead(inbox_mailboxes, [&](import::MailboxEntry entry) {
        auto* message = std::get_if<import::ImportedMessage>(&entry);
        if (message == nullptr) {
            unreadable(std::get<import::ImportFailure>(entry));
            return;
        }
        outcome = {};
        const MessageLabel label{message->source.ToString(), Property(message->content.properties, tag::Subject),
                                 Property(message->content.properties, tag::SenderEmailAddress)};
        session.Deliver(host::DefaultFolder::Inbox, std::move(message->content));
        tally.Count(outcome);
        PrintMessage(out, command.json, label, outcome);
        progress.Update(tally);
    });
    progress.Finish();

    // What the user does once the mail is in.
    user_failed = !ShowAndSelect(command, session, errors);
    for (const auto& click : command.clicks) {
        if (user_failed) break;
        if (!session.Click(click.tag, click.dialog)) {
            errors << "tarn4ol-sim: --click: the main window has no button with the tag \"" << TerminalText(click.tag)
                   << "\" (--show-toolbars lists them)\n";
            user_failed = true;
        }
    }
    if (command.WorksOnFolders()) PrintFolders(out, command.json, session.Outlook());

    // Outlook closes with the settings in force; then those given for this run are not kept.
    const ReportOutcome reports = StopAndTell(session);
    // (A settings file that could not be read was never written.)
    const bool restored = !session.SettingsProblem().empty() || RestoreStoredSettings(overrides, errors);
    PrintSummary(out, command.json, tally, session, reports);
    const bool failed = tally.unreadable > 0 || session.ContainedFailures() > 0 || !session.SettingsProblem().empty() ||
                        user_failed || session.DialogScriptsRefused() > 0 || !restored;
    return failed ? exit_status::Failure : exit_status::Success;
}

}  // namespace tarn::tools::sim
