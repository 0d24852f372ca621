// The add-in's start-up and shutdown while Outlook loads and unloads it.
#include "addin/tarn_addin.h"
#include "dialogs/about_window.h"

namespace tarn::addin {


void TTarnAddin::Startup() {
    captions_ = store::LoadCaptionsAndStrings(directory_);
    settings_.move_to_folder = 0;
    settings_.automatic_report = 0;
    settings_.reporting_interval = 1;
    settings_.protection_level = 3;

    // Each guarded step that fails is abandoned, shown to no one but written to the
    // diagnostics log: without lists the commands that use them fail when used, without a
    // hook that folder's mail is not watched.
    auto& diagnostics = services_.diagnostics;
    platform::Contain(diagnostics, "Startup (dictionaries and lists)", [this] {
        engine_.LoadDictionaries();
        lists_ = store::UserLists::CreateLists(directory_, services_.diagnostics);
    });
    platform::Contain(diagnostics, "Startup (Inbox hook)", [this] {
        const auto inbox = application_->GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
        inbox_items_ = inbox->Items()->OnItemAdd([this](const host::ItemPtr& item) { OnInboxItemAdd(item); });
    });
    platform::Contain(diagnostics, "Startup (Sent Items hook)", [this] {
        const auto sent = application_->GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::SentMail);
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

    report_timer_ = services_.timers.CreateTimer();
    SetupReportTimer();
    report_timer_->SetEnabled(true);
    started_ = true;
}

void TTarnAddin::Shutdown() noexcept {
    if (!started_) return;  // nothing read at start-up is written back over the user's files
    started_ = false;
    // Outlook is closing: nothing is shown, but every failure is written down.
    platform::Contain(services_.diagnostics, "Shutdown", [this] {
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
        report_timer_.reset();
    });
}

}  // namespace tarn::addin
