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

    // Each guarded step that fails is abandoned silently: without lists the commands that use
    // them fail when used, without a hook that folder's mail is not watched.
    try {
        engine_.LoadDictionaries();
        lists_ = store::UserLists::CreateLists(directory_);
    } catch (...) {
    }
    try {
        const auto inbox = application_->GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
        inbox_items_ = inbox->Items()->OnItemAdd([this](const host::ItemPtr& item) { OnInboxItemAdd(item); });
    } catch (...) {
    }
    try {
        const auto sent = application_->GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::SentMail);
        sent_items_ = sent->Items()->OnItemAdd([this](const host::ItemPtr& item) { OnSentItemAdd(item); });
    } catch (...) {
    }

    // The hooks are in place before the settings load: mail arriving meanwhile is screened
    // with the settings in force at that moment.
    settings_.alphabet_groups = std::string(store::AllAlphabetsBlocked);
    store::LoadSettings(services_.registry, settings_);

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
    try {
        store::SaveSettings(services_.registry, settings_);
        try {
            ReportIfDue();
        } catch (...) {
            // A report that cannot be made at exit does not cost the user the lists.
        }
        engine_.UnLoadDictionaries();
        if (lists_) {
            lists_->SaveListsAtShutdown();
            lists_.reset();
        }
        inbox_items_.Reset();
        sent_items_.Reset();
        report_timer_.reset();
    } catch (...) {
        // Outlook is closing: nothing is shown.
    }
}

}  // namespace tarn::addin
