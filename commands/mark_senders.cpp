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

void MoveAll(const CommandContext& context, std::vector<host::ItemPtr>& slots, host::Folder& destination) {
    for (auto& item : slots) {
        if (!item) continue;
        platform::Contain(context.services.diagnostics, "MarkSenders (moving)", [&] { item->Move(destination); });
        item.reset();
    }
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

    // Collect the selected mail items, last first, each in its place.
    const long selected = selection->Count();
    std::vector<host::ItemPtr> slots(static_cast<std::size_t>(selected));
    for (long index = selected; index >= 1; --index) {
        const auto item = selection->Item(index);
        if (item->Class() == host::item_class::Mail) slots[static_cast<std::size_t>(index - 1)] = item;
    }

    // Mark their senders and move them, in selection order.
    std::vector<std::string> marked;
    for (auto& item : slots) {
        if (!item) continue;
        platform::Contain(diagnostics, "MarkSenders", [&] {
            const std::string sender = context.view.ReadSenderAddress(*item);
            // An unreadable sender is no sender: marking it would sweep every message whose
            // sender cannot be read either.
            if (!sender.empty()) {
                marked.push_back(sender);
                lists.List(own).Add(sender);
                platform::Contain(diagnostics, "MarkSenders (other list)", [&] {
                    if (const auto index = lists.List(other).IndexOf(sender)) {
                        lists.List(other).Delete(*index);
                        lists.SaveList(other);
                    }
                });
            }
            if (settings.learning && engine.CanLearn()) {
                platform::Contain(diagnostics, "MarkSenders (teaching)", [&] { Teach(context, *item, verdict, engine); });
            }
            item->Move(*destination);
        });
        item.reset();
    }
    lists.SaveList(own);

    // Sweep the shown folder for other messages of those senders, exactly as written.
    const long count = CurrentFolder(application)->Items()->Count();
    std::vector<host::ItemPtr> swept(static_cast<std::size_t>(count));
    for (long index = count; index >= 1; --index) {
        const auto item = CurrentFolder(application)->Items()->Item(index);
        if (item->Class() != host::item_class::Mail) continue;
        platform::Contain(diagnostics, "MarkSenders (sweep)", [&] {
            const std::string sender = context.view.ReadSenderAddress(*item);
            if (std::find(marked.begin(), marked.end(), sender) != marked.end()) {
                swept[static_cast<std::size_t>(index - 1)] = item;
            }
        });
    }
    MoveAll(context, swept, *destination);
}

}  // namespace tarn::commands
