#include "quarantine/quarantine_folder.h"

#include "host/host_error.h"

namespace tarn::quarantine {

namespace {

constexpr std::u16string_view ProductLine = u"Orvik' Tarn4OL Anti-Spam...";
constexpr std::u16string_view MessageCaption = u"Orvik' Tarn!";

host::FolderPtr Inbox(host::Namespace& store) {
    return store.GetDefaultFolder(host::DefaultFolder::Inbox);
}

// The first group of the active explorer's Outlook Bar, or null.
std::shared_ptr<host::OutlookBarGroup> FirstOutlookBarGroup(host::Application& application) {
    const auto explorer = application.ActiveExplorer();
    if (!explorer) return nullptr;
    const auto panes = explorer->Panes();
    if (!panes || panes->Count() < 1) return nullptr;
    const auto pane = panes->Item(1);
    const auto outlook_bar = pane ? pane->QueryOutlookBarPane() : nullptr;
    if (!outlook_bar) return nullptr;
    const auto groups = outlook_bar->Groups();
    if (!groups || groups->Count() < 1) return nullptr;
    return groups->Item(1);
}

}  // namespace

host::FolderPtr GetQuarantineFolder(host::Application& application) {
    const auto inbox = Inbox(*application.Session());
    const auto subfolders = inbox->Folders();
    try {
        subfolders->Add(std::u16string(QuarantineName), static_cast<int>(host::DefaultFolder::Inbox));
    } catch (const host::HostError&) {
        // Usually the folder exists already; the look-up below tells.
    }
    return subfolders->Item(std::u16string(QuarantineName));
}

host::FolderPtr SpamDestination(host::Application& application, std::uint8_t move_to_folder) {
    if (move_to_folder != 0) return application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::DeletedItems);
    return GetQuarantineFolder(application);
}

void EnsureQuarantineShortcut(host::Application& application, const store::Captions& captions,
                              platform::MessageBoxes& message_boxes) {
    const auto quarantine = GetQuarantineFolder(application);
    if (!quarantine) return;
    const auto group = FirstOutlookBarGroup(application);
    if (!group) return;
    const auto shortcuts = group->Shortcuts();
    for (long i = 1; i <= shortcuts->Count(); ++i) {
        if (shortcuts->Item(i)->Name() == QuarantineName) return;
    }
    const auto inbox = Inbox(*application.GetNamespace(u"MAPI"));
    shortcuts->Add(*quarantine, std::u16string(QuarantineName));
    const std::u16string text = std::u16string(ProductLine) + u"\r" + captions[store::Caption::rdMovetoQuarantine] +
                                u" = " + inbox->Name() + u"\\" + quarantine->Name() + u"\r" + group->Name() +
                                u" = \"" + std::u16string(QuarantineName) + u"\"";
    message_boxes.Show(text, std::u16string(MessageCaption), platform::MessageBoxKind::Information);
}

}  // namespace tarn::quarantine
