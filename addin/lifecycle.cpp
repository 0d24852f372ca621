// The add-in's start-up and shutdown while Outlook loads and unloads it.
#include "addin/tarn_addin.h"
#include "addin/toolbars.h"
#include "commands/friend_scans.h"
#include "dialogs/about_window.h"
#include "quarantine/quarantine_folder.h"

namespace tarn::addin {

void TTarnAddin::BuildMainWindowToolbars() {
    bool created = false;
    for (const auto bar : {GeneralBar, ToolsBar}) AddCommandBar(std::u16string(bar), created, host::BarPosition::Top, true);
    for (const auto& [bar, button] : MainWindowButtons) {
        AddButton(std::u16string(bar), button.caption.In(captions_), std::u16string(button.tag),
                  button.hint.In(captions_), button.bitmap, button.style, created, std::nullopt, nullptr,
                  DefaultTransparentColour, true);
    }
}

// The first start fills the friend senders from the address book and the sent mail, and
// the quarantine gets its shortcut; the setting then stays off unless the user asks again.
// When the shortcut or the address book fails, the setting stays on for the next start.
void TTarnAddin::FillFriendsAtFirstStart() {
    auto& diagnostics = services_.diagnostics;
    platform::Contain(diagnostics, "Startup (first-start scans)", [this, &diagnostics] {
        RequireLists();
        quarantine::EnsureQuarantineShortcut(OutlookApp(), captions_, services_.message_boxes);
        commands::ScanContacts(CommandContext(), *lists_);
        settings_.load_ol_addresses = false;
        platform::Contain(diagnostics, "Startup (sent mail scan)",
                          [this] { commands::ProtectSentMail(CommandContext(), *lists_, settings_); });
    });
}

void TTarnAddin::Startup() {
    auto& diagnostics = services_.diagnostics;
    captions_ = store::LoadCaptionsAndStrings(directory_);
    settings_.move_to_folder = 0;
    settings_.automatic_report = 0;
    settings_.reporting_interval = 1;
    settings_.protection_level = 3;
    // Without an explorer there are no toolbars; a failure here ends start-up.
    BuildMainWindowToolbars();

    // Each guarded step that fails is abandoned, shown to no one but written to the
    // diagnostics log: without lists the commands that use them fail when used, without a
    // hook that folder's mail is not watched. A dictionary that cannot be loaded costs the
    // rating, never the lists.
    platform::Contain(diagnostics, "Startup (dictionaries)", [this] { engine_.LoadDictionaries(); });
    platform::Contain(diagnostics, "Startup (lists)",
                      [this] { lists_ = store::UserLists::CreateLists(directory_, services_.diagnostics); });
    platform::Contain(diagnostics, "Startup (Inbox hook)", [this] {
        const auto inbox = OutlookApp().GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
        inbox_items_ = inbox->Items()->OnItemAdd([this](const host::ItemPtr& item) { OnInboxItemAdd(item); });
    });
    report_.ResetSpamCount();
    platform::Contain(diagnostics, "Startup (Sent Items hook)", [this] {
        const auto sent = OutlookApp().GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::SentMail);
        sent_items_ = sent->Items()->OnItemAdd([this](const host::ItemPtr& item) { OnSentItemAdd(item); });
    });

    // The hooks are in place before the settings load: mail arriving meanwhile is screened
    // with the settings in force at that moment.
    settings_.alphabet_groups = std::string(store::AllAlphabetsBlocked);
    store::LoadSettings(services_.registry, settings_, diagnostics);
    SetupDiagnosticsLog();

    if (settings_.show_splash) {
        dialogs::ShowAbout(dialogs_, services_.shell, services_.locale, directory_, captions_.CharSet(),
                           engine_.Getversionnumber(), dialogs::AboutShowing::StartUp);
    }
    if (settings_.load_ol_addresses) FillFriendsAtFirstStart();

    report_timer_ = services_.timers.CreateTimer();
    SetupReportTimer();
    report_timer_->SetEnabled(true);

    // From here on the shutdown saves what was loaded, also when the hooks below fail.
    explorer_wrappers_.emplace();
    platform::Contain(diagnostics, "Startup (explorer hook)", [this] {
        const auto explorers = OutlookApp().Explorers();
        explorers_hook_ = explorers->OnNewExplorer([this](const host::ExplorerPtr& explorer) {
            platform::Contain(services_.diagnostics, "TrackExplorer", [&] { TrackExplorer(explorer); });
        });
        if (explorers->Count() >= 1) TrackExplorer(OutlookApp().ActiveExplorer());
    });
    platform::Contain(diagnostics, "Startup (inspector hook)", [this] {
        inspectors_hook_ = OutlookApp().Inspectors()->OnNewInspector(
            [this](const host::InspectorPtr& inspector) { OnNewInspector(inspector); });
    });
}

void TTarnAddin::Shutdown() {
    if (!explorer_wrappers_) return;  // nothing read at start-up is written back over the user's files
    // Outlook is closing: nothing is shown, but every failure is written down.
    platform::Contain(services_.diagnostics, "Shutdown", [this] {
        while (!explorer_wrappers_->empty()) explorer_wrappers_->pop_back();
        explorer_wrappers_.reset();
        explorers_hook_.Reset();
        store::SaveSettings(services_.registry, settings_, services_.diagnostics);
        // A report that cannot be made at exit does not cost the user the lists.
        platform::Contain(services_.diagnostics, "Shutdown (report at exit)", [this] { ReportIfDue(); });
        engine_.UnLoadDictionaries();
        if (lists_) {
            lists_->SaveListsAtShutdown();
            lists_.reset();
        }
        inbox_items_.Reset();
        sent_items_.Reset();
        inspectors_hook_.Reset();
        report_timer_.reset();
    });
}

}  // namespace tarn::addin
