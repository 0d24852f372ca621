#include "commands/friend_scans.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/progress_window.h"
#include "host/constants.h"
#include "platform/codepage.h"
#include "platform/text_lines.h"
#include "screening/recipient_addresses.h"
#include "screening/text_tools.h"

namespace tarn::commands {

namespace {

using store::ListKind;

constexpr std::chrono::milliseconds SettleTime{500};

std::u16string Number(long value) { return platform::Widen(std::to_string(value)); }

// How one scan differs from the others.
struct ScanKind {
    const char* place;  // for the diagnostics log
    long item_class;
    bool position_before_reading;
    bool repaint_per_item;
    // The friend entries an item gives, and what the window shows for it.
    std::function<std::vector<std::string>(host::Item& item)> entries;
};

// The common walk: the window, the pause, then every item from the first.
void Walk(const CommandContext& context, store::UserLists& lists, const std::function<std::shared_ptr<host::Items>()>& items,
          const std::u16string& title, const ScanKind& kind) {
    auto& services = context.services;
    std::optional<dialogs::TFRMProcessmsgs> window;
    window.emplace(context.dialogs.CreateProgressView(), context.captions, title);
    window->SetSpamLabel(context.captions[store::Caption::sPleaseWait]);
    window->SetLegitVisible(false);
    window->SetMaximum(static_cast<int>(items()->Count()));
    window->Show();
    services.clock.Sleep(SettleTime);
    window->Repaint();

    auto& friends = lists.List(ListKind::FriendSenders);
    const long count = items()->Count();
    for (long index = 1; index <= count; ++index) {
        bool cancelled = false;
        platform::Contain(services.diagnostics, kind.place, [&] {
            services.pump.ProcessMessages();
            if (window->Cancelled()) {
                cancelled = true;
                return;
            }
            const auto item = items()->Item(index);
            if (item->Class() != kind.item_class) return;
            if (kind.position_before_reading) window->SetPosition(static_cast<int>(index));
            const auto entries = kind.entries(*item);
            if (entries.empty()) return;
            std::string shown;
            for (const auto& entry : entries) {
                friends.Add(entry);
                shown += (shown.empty() ? "" : ", ") + entry;
            }
            window->SetDetail(platform::Widen(shown));
            if (!kind.position_before_reading) window->SetPosition(static_cast<int>(index));
            if (kind.repaint_per_item) window->Repaint();
        });
        if (cancelled) break;
    }
}

// One entry per address, lower-cased, duplicates and empty lines gone.
void Normalize(store::UserLists& lists) {
    auto& friends = lists.List(ListKind::FriendSenders);
    auto lines = platform::SplitLines(screening::UniqueSortedLines(friends.Text()));
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    friends.Assign(std::move(lines));
}

// The non-empty lines of a text, each its own entry (an entry never holds a line break).
std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (auto& line : platform::SplitLines(text)) {
        if (!line.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

// Runs a walk that adds friends and writes them at once, also when the walk stopped half-way
// (the friends it found are kept): a failure to write is raised, unless the walk's own failure
// is on its way, which then names the place of the write in the log.
template <class Walk>
void WalkThenWrite(const CommandContext& context, store::UserLists& lists, std::string_view place, Walk&& walk) {
    try {
        walk();
    } catch (...) {
        platform::Contain(context.services.diagnostics, place, [&] { lists.SaveList(ListKind::FriendSenders); });
        throw;
    }
    lists.SaveList(ListKind::FriendSenders);
}

}  // namespace

void ScanContacts(const CommandContext& context, store::UserLists& lists) {
    const auto contacts = context.application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Contacts);
    const auto items = [&contacts] { return contacts->Items(); };
    const ScanKind kind{"ScanContacts", host::item_class::Contact, true, true, [&context](host::Item& contact) {
                            const std::string address = platform::Narrow(context.view.ReadContactAddress(contact));
                            return address.empty() ? std::vector<std::string>{} : Lines(address);
                        }};
    const auto save = [&] {
        platform::Contain(context.services.diagnostics, "ScanContacts (saving)",
                          [&] { lists.SaveList(ListKind::FriendSenders); });
    };
    try {
        Walk(context, lists, items,
             u"Orvik: " + Number(items()->Count()) + u" " + context.captions[store::Caption::sScanningContacts], kind);
    } catch (...) {
        save();
        throw;
    }
    save();
}

void ProtectSentMail(const CommandContext& context, store::UserLists& lists, const store::Settings& settings) {
    if (settings.paused) return;
    const auto sent = context.application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::SentMail);
    // One collection for the whole walk, as the add-in holds Sent Items for its new items.
    const auto sent_items = sent->Items();
    const auto items = [&sent_items] { return sent_items; };
    const ScanKind kind{"ProtectSentMail", host::item_class::Mail, false, false,
                        [&context](host::Item& mail) {
                            return screening::RecipientAddresses(mail, context.services.diagnostics);
                        }};
    WalkThenWrite(context, lists, "ProtectSentMail (saving)", [&] {
        Walk(context, lists, items, u"Orvik: " + sent->Name() + u"= " + Number(sent_items->Count()), kind);
        platform::Contain(context.services.diagnostics, "ProtectSentMail (normalizing)", [&] { Normalize(lists); });
    });
}

void ProtectCurrentFolder(const CommandContext& context, store::UserLists& lists) {
    const auto folder = CurrentFolder(context.application);
    if (folder->DefaultItemType() != host::item_type::Mail) return;
    const auto items = [&context] { return CurrentFolder(context.application)->Items(); };
    const ScanKind kind{"ProtectCurrentFolder", host::item_class::Mail, false, false, [&context](host::Item& mail) {
                            return Lines(screening::ExtractAddresses(context.view.ReadSenderAddress(mail)));
                        }};
    WalkThenWrite(context, lists, "ProtectCurrentFolder (saving)", [&] {
        Walk(context, lists, items, u"Orvik: " + folder->Name() + u"= " + Number(folder->Items()->Count()), kind);
        Normalize(lists);
    });
}

}  // namespace tarn::commands
