// The add-in's start-up and shutdown while Outlook loads and unloads it.
#include "addin/tarn_addin.h"
#include "addin/toolbars.h"
#include "commands/friend_scans.h"
#include "dialogs/about_window.h"
#include "quarantine/quarantine_folder.h"

namespace tarn::addin {

void TTarnAddin::BuildMainWindowToolbars(const host::CommandBarsPtr& bars) {
    if (!bars) return;
    bool created = false;
    for (const auto bar : {GeneralBar, ToolsBar}) AddCommandBarIn(bars, std::u16string(bar), created, host::BarPosition::Top, true);
    for (const auto& [bar, button] : MainWindowButtons) {
        AddButtonIn(bars, std::u16string(bar), button.caption.In(captions_), std::u16string(button.tag),
                    button.hint.In(captions_), button.bitmap, button.style, created, std::nullopt, nullptr,
                    DefaultTransparentColour, true);
    }
}

// What waits for the user, or takes long, runs once Outlook's start has gone on. The first
// start's welcome greets the user in the splash's place.
void TTarnAddin::PostStartWork() {
    if (settings_.load_ol_addresses) {
        after_startup_.Post("Startup (first start)", [this] { FillFriendsAtFirstStart(); });
    } else if (settings_.show_splash) {
        after_startup_.Post("Startup (splash)", [this] { ShowSplash(); });
    }
}

// Outlook started by another program has no main window: the toolbars and the work that waits
// for the user come with the first one that opens.
void TTarnAddin::OnFirstMainWindow(const host::ExplorerPtr& explorer) {
    if (!waiting_for_main_window_) return;
    waiting_for_main_window_ = false;
    platform::Contain(services_.diagnostics, "Startup (toolbars of the first main window)",
                      [&] { BuildMainWindowToolbars(explorer->CommandBars()); });
    PostStartWork();
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
        store::SaveSettings(services_.registry, settings_, diagnostics);
        platform::Contain(diagnostics, "Startup (sent mail scan)",
                          [this] { commands::ProtectSentMail(CommandContext(), *lists_, settings_); });
    });
}

void TTarnAddin::StartWritingBehind() {
    writes_ = std::make_unique<WriteBehind>(services_.timers, services_.diagnostics);
    writes_->SetWriter(WriteBehind::Change::FriendSenders, "OnSentItemAdd (writing the friends)", [this] {
        if (lists_) lists_->SaveList(store::ListKind::FriendSenders);
    });
    writes_->SetWriter(WriteBehind::Change::Lessons, "Learning (writing the lessons)", [this] {
        if (!engine_.SaveLessons()) throw std::runtime_error("the rating engine could not write what it was taught");
    });
    engine_.OnLesson([this] { writes_->Changed(WriteBehind::Change::Lessons); });
}

void TTarnAddin::Startup() {
    auto& diagnostics = services_.diagnostics;
    captions_ = store::LoadCaptionsAndStrings(directory_);
    settings_.move_to_folder = 0;
    settings_.automatic_report = 0;
    settings_.reporting_interval = 1;
    settings_.protection_level = 3;
    // Without a main window (Outlook started by another program) the toolbars wait for the
    // first one; a failure here ends start-up.
    waiting_for_main_window_ = OutlookApp().Explorers()->Count() < 1;
    if (!waiting_for_main_window_) BuildMainWindowToolbars(OutlookApp().ActiveExplorer()->CommandBars());

    // Each guarded step that fails is abandoned, shown to no one but written to the
    // diagnostics log: without lists the commands that use them fail when used, without a
    // hook that folder's mail is not watched. A dictionary that cannot be loaded costs the
    // rating, never the lists. The dictionaries load on a thread of their own while the rest
    // of the start goes on; the first rating waits for them.
    platform::Contain(diagnostics, "Startup (dictionaries)", [this] { engine_.StartLoadingDictionaries(); });
    platform::Contain(diagnostics, "Startup (lists)",
                      [this] { lists_ = store::UserLists::CreateLists(directory_, services_.diagnostics); });
    StartWritingBehind();
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

    if (!waiting_for_main_window_) PostStartWork();

    report_timer_ = services_.timers.CreateTimer();
    SetupReportTimer();
    report_timer_->SetEnabled(true);
    platform::Contain(diagnostics, "Startup (Quit hook)",
                      [this] { quit_hook_ = OutlookApp().OnQuit([this] { WriteBeforeExit(); }); });

    // From here on the shutdown saves what was loaded, also when the hooks below fail.
    explorer_wrappers_.emplace();
    platform::Contain(diagnostics, "Startup (explorer hook)", [this] {
        const auto explorers = OutlookApp().Explorers();
        explorers_hook_ = explorers->OnNewExplorer([this](const host::ExplorerPtr& explorer) {
            platform::Contain(services_.diagnostics, "TrackExplorer", [&] { TrackExplorer(explorer); });
            OnFirstMainWindow(explorer);
        });
        if (explorers->Count() >= 1) TrackExplorer(OutlookApp().ActiveExplorer());
    });
    platform::Contain(diagnostics, "Startup (inspector hook)", [this] {
        inspectors_hook_ = OutlookApp().Inspectors()->OnNewInspector(
            [this](const host::InspectorPtr& inspector) { OnNewInspector(inspector); });
    });
}

void TTarnAddin::ShowSplash() {
    splash_ = dialogs::ShowSplash(dialogs_, services_.shell, services_.locale, directory_, captions_.CharSet(),
                                  engine_.Getversionnumber());
}

// Whichever of the two comes first writes; the second finds nothing left (no public source says
// for sure that Quit still comes at a fast exit, so the last window's close writes too).
void TTarnAddin::WriteBeforeExit() noexcept {
    if (!explorer_wrappers_ || written_before_exit_) return;
    written_before_exit_ = true;
    platform::Contain(services_.diagnostics, "Closing", [this] {
        writes_->WriteAll();
        platform::Contain(services_.diagnostics, "Closing (report at exit)", [this] { ReportIfDue(); });
    });
}

void TTarnAddin::Shutdown() {
    after_startup_.Cancel();
    if (!explorer_wrappers_) return;  // nothing read at start-up is written back over the user's files
    // Outlook is closing: nothing is shown, but every failure is written down.
    platform::Contain(services_.diagnostics, "Shutdown", [this] {
        splash_.reset();
        while (!explorer_wrappers_->empty()) explorer_wrappers_->pop_back();
        explorer_wrappers_.reset();
        explorers_hook_.Reset();
        quit_hook_.Reset();
        store::SaveSettings(services_.registry, settings_, services_.diagnostics);
        // A report that cannot be made at exit does not cost the user the lists.
        platform::Contain(services_.diagnostics, "Shutdown (report at exit)", [this] { ReportIfDue(); });
        writes_->WriteAll();
        engine_.OnLesson({});
        engine_.UnLoadDictionaries();
        if (lists_) {
            lists_->SaveListsAtShutdown();
            lists_.reset();
        }
        inbox_items_.Reset();
        sent_items_.Reset();
        inspectors_hook_.Reset();
        report_timer_.reset();
        writes_.reset();
    });
}

}  // namespace tarn::addin
