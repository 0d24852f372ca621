#include "tools/sim/online_mode.h"

#include <string>
#include <variant>
#include <vector>

#include "tools/import/read_ahead.h"
#include "tools/sim/addin_session.h"
#include "tools/sim/exit_status.h"
#include "tools/sim/setting_overrides.h"
#include "tools/sim/terminal_text.h"
#include "tools/stream/message_stream.h"
#include "tools/stream/online_figures.h"

namespace tarn::tools::sim {

namespace {

struct StreamMessage {
    std::string source;
    bool spam = false;
    host::sim::ItemContent content;
};

// What the sender lists that the marks fill decided on their own.
struct ListDecisions {
    std::size_t friends_ham = 0;   // ham that passed as a friend's
    std::size_t banned_spam = 0;   // spam caught as a banned sender's
};

}  // namespace

int RunOnline(const CommandLine& command, std::ostream& out, std::ostream& errors) {
    SettingOverrides::Check(command.settings);  // a mistyped setting changes nothing

    std::vector<StreamMessage> messages;
    std::size_t unreadable = 0;
    const auto read = [&](const std::vector<std::filesystem::path>& mailboxes, bool spam) {
        import::ReadMailboxesAhead(mailboxes, [&](import::MailboxEntry entry) {
            if (auto* message = std::get_if<import::ImportedMessage>(&entry)) {
                messages.push_back({message->source.ToString(), spam, std::move(message->content)});
                return;
            }
            const auto& failure = std::get<import::ImportFailure>(entry);
            ++unreadable;
            errors << "tarn4ol-sim: " << TerminalUtf8(failure.source.ToString()) << ": "
                   << TerminalUtf8(failure.reason) << '\n';
        });
    };
    read(command.ham_mailboxes, false);
    read(command.spam_mailboxes, true);
    std::vector<stream::StreamEntry> entries;
    for (const auto& message : messages) entries.push_back({message.source, message.spam});
    const std::vector<std::size_t> order = stream::StreamOrder(entries);

    AddinSession session(command.state, errors, command.outlook);
    session.Start();
    SettingOverrides overrides(session.Registry(), command.settings);
    session.Addin().Settings() = overrides.Over(session.Addin().Settings());

    addin::ScreeningOutcome outcome;
    session.Addin().SetScreeningObserver(
        [&outcome](const host::ItemPtr&, const addin::ScreeningOutcome& screened) { outcome = screened; });
    stream::OnlineFigures figures;
    ListDecisions lists;
    bool marks_failed = false;
    for (std::size_t at = 0; at < order.size(); ++at) {
        StreamMessage& message = messages[order[at]];
        outcome = {};
        session.Deliver(host::DefaultFolder::Inbox, std::move(message.content),
                        [&](const std::shared_ptr<host::sim::SimItem>& item) {
                            using Decision = addin::ScreeningOutcome::Decision;
                            const bool judged_spam = outcome.spam;
                            const bool unsure = !judged_spam && outcome.decision == Decision::Engine && outcome.rate >= 30;
                            figures.Count(at, order.size(), message.spam, judged_spam, unsure);
                            if (!message.spam && outcome.decision == Decision::FriendSender) ++lists.friends_ham;
                            if (message.spam && outcome.reason.starts_with("Banned Sender")) ++lists.banned_spam;
                            if (!stream::NeedsCorrection(message.spam, judged_spam, unsure)) return;
                            session.SelectItem(item);
                            marks_failed |= !session.Click(message.spam ? u"btnRedFace" : u"btnGreenFace");
                            ++figures.corrections;
                        });
    }
    session.Stop();
    // (A settings file that could not be read was never written.)
    const bool restored = !session.SettingsProblem().empty() || RestoreStoredSettings(overrides, errors);

    out << "Online: " << order.size() << " messages in the stream order (seed " << stream::StreamSeed
        << "), the user marking the sender of every wrong or unsure verdict as a friend or a foe\n";
    stream::PrintOnlineFigures(out, figures);
    out << "Decided by the sender lists the marks filled: " << lists.friends_ham << " ham passed as a friend's, "
        << lists.banned_spam << " spam caught as a banned sender's\n";
    const bool failed = unreadable > 0 || marks_failed || session.ContainedFailures() > 0 || !restored;
    return failed ? exit_status::Failure : exit_status::Success;
}

}  // namespace tarn::tools::sim
