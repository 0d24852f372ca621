// Screening of the mail that arrives in the Inbox, and the friends that sent mail makes: each
// recipient's address, never the names shown (a name is no part of any sender's address).
#include "addin/tarn_addin.h"
#include "host/constants.h"
#include "quarantine/quarantine_folder.h"
#include "quarantine/report_row.h"
#include "screening/cascade.h"
#include "screening/recipient_addresses.h"
#include "screening/screening_rules.h"

namespace tarn::addin {

namespace {

constexpr std::int8_t ReportAfterSpam = 100;

// The new-mail screening's words for the local tests' verdicts.
constexpr screening::VerdictWords NewMailWords{"Banned Sender", ">Banned Content", ">Not in Address-Book",
                                               ">Alphabet",     "-Err. format",    ">Suspicious"};

}  // namespace

host::FolderPtr TTarnAddin::SpamDestination() { return quarantine::SpamDestination(OutlookApp(), settings_.move_to_folder); }

screening::CascadeSettings TTarnAddin::CascadeSettings() const {
    return {settings_.only_address_book, settings_.block_english, services_.locale.DecimalSeparator()};
}

void TTarnAddin::Judge(host::Item& item, const screening::ScreeningInputs& inputs, ScreeningOutcome& outcome) {
    using Decision = ScreeningOutcome::Decision;
    using Kind = screening::Judgement::Kind;
    const screening::ScreeningRules rules(*lists_, matchers_, view_);
    auto judgement = screening::RunCascade(item, view_.ReadSubject(item), inputs, rules, alphabet_tokens_,
                                           CascadeSettings(), engine_, NewMailWords);
    switch (judgement.kind) {
        case Kind::FriendSender: outcome.decision = Decision::FriendSender; return;
        case Kind::ProtectedWord: outcome.decision = Decision::ProtectedWord; return;
        case Kind::LocalTest: outcome.decision = Decision::LocalTest; break;
        case Kind::Engine: outcome.decision = Decision::Engine; break;
    }
    outcome.rate = judgement.rate;
    outcome.reason = std::move(judgement.reason);
    outcome.spam = judgement.Spam();
    if (outcome.spam) outcome.reason += ">";
}

// The report row and the move form one step: a failure in it is ignored, so a row may be
// pending for a message that stayed in the Inbox.
void TTarnAddin::MoveSpam(const host::ItemPtr& item, host::Folder& destination, ScreeningOutcome& outcome) noexcept {
    // When this fails the item stays where it is.
    platform::Contain(services_.diagnostics, "OnInboxItemAdd", [&] {
        report_.AddRow(quarantine::InboxReportRow(view_.ReadDisplayTo(*item),
                                                  view_.ReadItemProperty(*item, platform::prop_tag::Subject),
                                                  outcome.reason, view_.ReadSenderAddress(*item)));
        item->Move(destination);
        outcome.moved = true;
    });
}

void TTarnAddin::OnInboxItemAdd(const host::ItemPtr& item) noexcept {
    ScreeningOutcome outcome;
    try {
        if (!settings_.paused && item->Class() == host::item_class::Mail) {
            RequireLists();
            alphabet_tokens_.BuildAlphabetTokens(settings_.alphabet_groups);
            const host::FolderPtr destination = SpamDestination();
            Judge(*item, screening::ReadScreeningInputs(*item, view_, services_.diagnostics), outcome);
            if (outcome.spam) {
                report_.CountSpam();
                if (report_.FSpamSinceReport() > ReportAfterSpam) {
                    // A failed report keeps its rows; this message is still moved and reported.
                    platform::Contain(services_.diagnostics, "ProduceInboxReport", [this] { ProduceInboxReport(); });
                }
                MoveSpam(item, *destination, outcome);
            }
        }
    } catch (...) {
        outcome.decision = ScreeningOutcome::Decision::Failed;
        outcome.failure = platform::CurrentFailureText();
        services_.diagnostics.Record("OnInboxItemAdd", outcome.failure);
    }
    if (observer_) {
        // Whoever watches must not break the screening.
        platform::Contain(services_.diagnostics, "ScreeningObserver", [&] { observer_(item, outcome); });
    }
}

void TTarnAddin::OnSentItemAdd(const host::ItemPtr& item) noexcept {
    // A sent message whose recipients cannot be read adds nothing; nor does any message when
    // the lists could not be loaded.
    platform::Contain(services_.diagnostics, "OnSentItemAdd", [&] {
        if (!lists_ || item->Class() != host::item_class::Mail) return;
        auto& friends = lists_->List(store::ListKind::FriendSenders);
        const std::size_t before = friends.Count();
        for (auto& address : screening::RecipientAddresses(*item, services_.diagnostics)) friends.Add(std::move(address));
        if (friends.Count() != before && writes_) writes_->Changed(WriteBehind::Change::FriendSenders);
    });
}

}  // namespace tarn::addin
