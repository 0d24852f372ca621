// Screening of the mail that arrives in the Inbox, and the friends that sent mail makes: each
// recipient's address, never the names shown (a name is no part of any sender's address).
#include "addin/tarn_addin.h"
#include "host/constants.h"
#include "platform/locale_format.h"
#include "quarantine/report_row.h"
#include "screening/english_score.h"
#include "screening/recipient_addresses.h"
#include "screening/screening_rules.h"

namespace tarn::addin {

namespace {

constexpr int LocalTestRate = 1000;
constexpr int SpamRate = 50;
constexpr double EnglishThreshold = 20.0;
constexpr std::int8_t ReportAfterSpam = 100;

}  // namespace

host::FolderPtr TTarnAddin::SpamDestination() {
    if (settings_.move_to_folder != 0) {
        return OutlookApp().GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::DeletedItems);
    }
    return GetQuarantineFolder();
}

// The first local test that judges the message, as its reason text; empty when none does.
// The charset tests run only when the headers declare a charset.
std::string TTarnAddin::LocalTestReason(host::Item& item, const std::string& subject, const ScreeningInputs& inputs,
                                        const screening::ScreeningRules& rules) const {
    if (rules.IsBannedSender(item)) return "Banned Sender";
    if (rules.HasForbiddenWord(subject, inputs.screening_text)) return ">Banned Content";
    if (rules.IsOutsideAddressBook(item, settings_.only_address_book)) return ">Not in Address-Book";
    if (inputs.charset.empty()) return {};
    if (alphabet_tokens_.IsBlockedAlphabet(inputs.charset)) return ">Alphabet";
    if (rules.HasEncodedWord(item)) return "-Err. format";
    const double english = screening::EnglishScore(inputs.screening_text, settings_.block_english);
    if (english > EnglishThreshold) {
        // The first two characters of twice the score: its first two digits, as it exceeds 40.
        return "English: " + platform::GeneralNumberText(2 * english, services_.locale.DecimalSeparator()).substr(0, 2) +
               "%";
    }
    if (screening::HasHyperlinkField(inputs.screening_text)) return ">Suspicious";
    return {};
}

void TTarnAddin::Judge(host::Item& item, const ScreeningInputs& inputs, ScreeningOutcome& outcome) {
    using Decision = ScreeningOutcome::Decision;
    const screening::ScreeningRules rules(*lists_, matchers_, view_);
    if (rules.IsFriendSender(item)) {
        outcome.decision = Decision::FriendSender;
        return;
    }
    const std::string subject = view_.ReadSubject(item);
    if (rules.HasProtectedWord(subject, inputs.screening_text)) {
        outcome.decision = Decision::ProtectedWord;
        return;
    }
    outcome.reason = LocalTestReason(item, subject, inputs, rules);
    if (!outcome.reason.empty()) {
        outcome.decision = Decision::LocalTest;
        outcome.rate = LocalTestRate;
    } else {
        auto verdict = engine_.AnalyzeThisSpit(inputs.screening_text);
        outcome.decision = Decision::Engine;
        outcome.rate = verdict.rate;
        outcome.reason = std::move(verdict.text);
    }
    outcome.spam = outcome.rate >= SpamRate;
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
            if (!lists_) throw std::logic_error("the word and sender lists were not loaded at start-up");
            alphabet_tokens_.BuildAlphabetTokens(settings_.alphabet_groups);
            const host::FolderPtr destination = SpamDestination();
            Judge(*item, ReadScreeningInputs(*item, view_, services_.diagnostics), outcome);
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
        for (auto& address : screening::RecipientAddresses(*item)) friends.Add(std::move(address));
    });
}

}  // namespace tarn::addin
