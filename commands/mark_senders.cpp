#include "commands/mark_senders.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/constants.h"
#include "quarantine/quarantine_folder.h"
#include "screening/screening_inputs.h"

namespace tarn::commands {

namespace {

struct VerdictLists {
    store::ListKind own;    // the senders are added to it
    store::ListKind other;  // and leave it
};

VerdictLists ListsOf(SenderVerdict verdict) {
    using store::ListKind;
    if (verdict == SenderVerdict::Friends) return {ListKind::FriendSenders, ListKind::BannedSenders};
    return {ListKind::BannedSenders, ListKind::FriendSenders};
}

host::FolderPtr DestinationOf(host::Application& application, SenderVerdict verdict, const store::Settings& settings) {
    if (verdict == SenderVerdict::Friends) {
        return application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
    }
    return quarantine::SpamDestination(application, settings.move_to_folder);
}

// The message as the engine rated it when it arrived: its screening text.
void Teach(const CommandContext& context, host::Item& item, SenderVerdict verdict, screening::RulesEngine& engine) {
    const std::string text =
        screening::ReadScreeningInputs(item, context.view, context.services.diagnostics).screening_text;
    if (verdict == SenderVerdict::Foes) {
        engine.LearnThisSpit(text, true);
    } else {
        engine.UnlearnThisSpit(text, true);
        engine.LearnThisSpit(text, false);
    }
}

// The entry ID of the user's Sent Items, or empty when it cannot be read.
std::u16string SentItemsId(const CommandContext& context) {
    std::u16string id;
    platform::Contain(context.services.diagnostics, "MarkSenders (Sent Items)", [&] {
        id = context.application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::SentMail)->EntryID();
    });
    return id;
}

}  // namespace

void MarkSenders(const CommandContext& context, SenderVerdict verdict, store::UserLists& lists,
                 const store::Settings& settings, screening::RulesEngine& engine) {
    auto& application = context.application;
    const auto explorer = ActiveExplorer(application);
    const auto selection = explorer->Selection();
    if (selection->Count() == 0) return;
    if (explorer->CurrentFolder()->DefaultItemType() != host::item_type::Mail) return;
    const auto destination = DestinationOf(application, verdict, settings);
    // Plain variables rather than a structured binding: the lambdas below capture them.
    const VerdictLists kinds = ListsOf(verdict);
    const store::ListKind own = kinds.own;
    const store::ListKind other = kinds.other;
    auto& diagnostics = context.services.diagnostics;

    // In a conversation view the selection may hold the user's own sent messages: their sender
    // is the user, never a friend to add nor a foe to ban, and they stay where they are.
    const std::u16string sent_items = SentItemsId(context);

    // Mark their senders and move them, in selection order, one message at a time: Exchange in
    // online mode refuses a session more than about 250 open messages (Microsoft KB 830829).
    std::vector<std::string> marked;
    const long selected = selection->Count();
    for (long index = 1; index <= selected; ++index) {
        platform::Contain(diagnostics, "MarkSenders", [&] {
            const auto item = selection->Item(index);
            if (item->Class() != host::item_class::Mail) return;
            if (!sent_items.empty() && item->Parent()->EntryID() == sent_items) {
                diagnostics.Record("MarkSenders", "a message the user sent is neither marked nor moved");
                return;
            }
            const std::string sender = context.view.ReadSenderAddress(*item);
            // An unreadable sender is no sender: marking it would sweep every message whose
            // sender cannot be read either.
            if (!sender.empty()) {
                marked.push_back(sender);
                lists.List(own).Add(sender);
                platform::Contain(diagnostics, "MarkSenders (other list)", [&] {
                    if (const auto found = lists.List(other).IndexOf(sender)) {
                        lists.List(other).Delete(*found);
                        lists.SaveList(other);
                    }
                });
            }
            if (settings.learning && engine.CanLearn()) {
                platform::Contain(diagnostics, "MarkSenders (teaching)", [&] { Teach(context, *item, verdict, engine); });
            }
            item->Move(*destination);
        });
    }
    lists.SaveList(own);

    // Sweep the shown folder for other messages of those senders, exactly as written, from the
    // last to the first, each moved as it is found: a message that leaves shifts only those
    // already seen.
    const long count = CurrentFolder(application)->Items()->Count();
    for (long index = count; index >= 1; --index) {
        platform::Contain(diagnostics, "MarkSenders (sweep)", [&] {
            const auto item = CurrentFolder(application)->Items()->Item(index);
            if (item->Class() != host::item_class::Mail) return;
            const std::string sender = context.view.ReadSenderAddress(*item);
            if (std::find(marked.begin(), marked.end(), sender) == marked.end()) return;
            platform::Contain(diagnostics, "MarkSenders (moving)", [&] { item->Move(*destination); });
        });
    }
}

}  // namespace tarn::commands
