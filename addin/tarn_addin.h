#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/after_startup.h"
#include "addin/axp_addin.h"
#include "addin/explorer_wrapper.h"
#include "addin/write_behind.h"
#include "commands/command_context.h"
#include "dialogs/about_window.h"
#include "dialogs/dialog_factory.h"
#include "host/application.h"
#include "host/subscription.h"
#include "platform/services.h"
#include "quarantine/inbox_report.h"
#include "screening/alphabet_tokens.h"
#include "screening/cascade.h"
#include "screening/list_matcher.h"
#include "screening/mail_item_view.h"
#include "screening/rules_engine.h"
#include "screening/screening_rules.h"
#include "store/captions.h"
#include "store/settings.h"
#include "store/user_lists.h"

namespace tarn::addin {

// What the screening of one arriving item came to, for whoever watches the screening (the
// simulator reports it per message).
struct ScreeningOutcome {
    enum class Decision {
        NotScreened,    // paused, or not a mail item
        FriendSender,   // passes: the sender is a friend
        ProtectedWord,  // passes: a protected word
        LocalTest,      // spam by a list or filter test (rate 1000)
        Engine,         // rated by the engine: spam at 50 or more
        Failed,         // a host call failed: the item stays in the Inbox
    };
    Decision decision = Decision::NotScreened;
    int rate = 0;
    bool spam = false;
    bool moved = false;        // the spam left the Inbox
    std::string reason;        // as the report row shows it
    std::string failure;       // what failed, for Decision::Failed
};
using ScreeningObserver = std::function<void(const host::ItemPtr& item, const ScreeningOutcome& outcome)>;

// The add-in proper: the one object that holds the anti-spam state while Outlook runs, whose
// handlers screen the mail that arrives, and whose toolbars run the user's commands.
class TTarnAddin final : public TaxpAddIn {
public:
    // The rating engine is loaded with the add-in library and outlives the add-in object; the
    // installation directory is the library's folder.
    TTarnAddin(platform::Services& services, dialogs::DialogFactory& dialogs, screening::RulesEngine& engine,
               ButtonFaceSource& faces, AddInRegistration& registration, std::filesystem::path installation_directory);
    ~TTarnAddin() override;
    TTarnAddin(const TTarnAddin&) = delete;
    TTarnAddin& operator=(const TTarnAddin&) = delete;

    // The handler of the Inbox's item-added event: screens one arriving item and moves spam
    // to the quarantine folder or Deleted Items, adding a row to the pending report. Nothing
    // escapes: a failure leaves the item in the Inbox.
    void OnInboxItemAdd(const host::ItemPtr& item) noexcept;
    // The handler of Sent Items' item-added event: the recipients become friend senders,
    // written to their file a moment later.
    void OnSentItemAdd(const host::ItemPtr& item) noexcept;

    // Told the outcome of every item the Inbox handler looked at.
    void SetScreeningObserver(ScreeningObserver observer) { observer_ = std::move(observer); }

    host::FolderPtr GetQuarantineFolder();
    // Points the report timer at ReportIfDue with the interval of the settings.
    void SetupReportTimer();
    // Sends the diagnostics log to "Tarn4OL.log" in the installation folder, or stops it, as
    // the setting "Diagnostics" says.
    void SetupDiagnosticsLog();
    void ProduceInboxReport();
    void ReportIfDue();

    const screening::MailItemView& View() const noexcept { return view_; }
    const std::filesystem::path& InstallationDirectory() const noexcept { return directory_; }
    store::Settings& Settings() noexcept { return settings_; }
    const store::Captions& Captions() const noexcept { return captions_; }
    store::UserLists* Lists() noexcept { return lists_.get(); }
    quarantine::InboxReport& Report() noexcept { return report_; }
    // The subject of the first selected mail item of the main window (empty when the last
    // selection started with another kind of item).
    const std::string& CurrentSubject() const noexcept { return current_subject_; }

protected:
    // Start-up: captions, the toolbars, the engine's dictionaries (loading on a thread of their
    // own) and the lists, the Inbox and Sent Items hooks, the settings, the report timer, the
    // Quit and window hooks; the splash, or the first start's welcome and scans, once start-up
    // has returned. A failure of a step without a guard of its own ends start-up and is raised.
    void Startup() override;
    // Shutdown, when the user unloads the add-in or Outlook 2007 and older close: the windows
    // let go, the settings, the report on exit, the lessons, the dictionaries, the lists, the
    // hooks and the timers. Nothing is written when start-up did not get as far as the window
    // hooks (it did not load what would be written).
    void Shutdown() override;
    // The command of the toolbar button with this tag.
    void ControlClick(const std::u16string& tag, const host::CommandBarControlPtr& control) override;

private:
    void BuildMainWindowToolbars(const host::CommandBarsPtr& bars);
    void PostStartWork();
    void OnFirstMainWindow(const host::ExplorerPtr& explorer);
    void StartWritingBehind();
    void ShowSplash();
    void FillFriendsAtFirstStart();
    // Outlook is closing (the application's Quit, or its last main window closed): what still
    // waits to be written is written and the report on exit made, for Outlook 2010 and later
    // end the process without a shutdown. No window, no wait.
    void WriteBeforeExit() noexcept;
    void TrackExplorer(const host::ExplorerPtr& explorer);
    void OnExplorerSelectionChange(ExplorerWrapper& wrapper) noexcept;
    void OnExplorerClose(ExplorerWrapper& wrapper) noexcept;
    void OnNewInspector(const host::InspectorPtr& inspector) noexcept;
    void AddMessageWindowToolbar(const host::InspectorPtr& inspector);
    void ShowHelp();
    // The command of a button's tag; ControlClick runs one at a time.
    void RunCommand(const std::u16string& tag);
    commands::CommandContext CommandContext();
    // The lists are loaded at start-up; a command that needs them fails without them.
    void RequireLists() const;

    // The cascade of tests and the engine; fills decision, rate, spam and the reason.
    void Judge(host::Item& item, const screening::ScreeningInputs& inputs, ScreeningOutcome& outcome);
    screening::CascadeSettings CascadeSettings() const;
    void MoveSpam(const host::ItemPtr& item, host::Folder& destination, ScreeningOutcome& outcome) noexcept;
    host::FolderPtr SpamDestination();

    platform::Services& services_;
    dialogs::DialogFactory& dialogs_;
    screening::RulesEngine& engine_;
    std::filesystem::path directory_;
    screening::MailItemView view_;

    store::Captions captions_;
    store::Settings settings_;
    std::unique_ptr<store::UserLists> lists_;
    screening::AlphabetTokens alphabet_tokens_;
    screening::ListMatchers matchers_;
    quarantine::InboxReport report_;
    host::Subscription inbox_items_;
    host::Subscription sent_items_;
    std::unique_ptr<platform::Timer> report_timer_;
    std::unique_ptr<WriteBehind> writes_;
    host::Subscription quit_hook_;
    std::unique_ptr<dialogs::TFrmAddAbout> splash_;
    // Outlook's closing was met (its last main window closed, or Quit): once is enough, until
    // a main window opens again.
    bool written_before_exit_ = false;
    bool command_running_ = false;
    // Outlook started without a main window: its toolbars and the first start's work wait.
    bool waiting_for_main_window_ = false;
    host::Subscription explorers_hook_;
    host::Subscription inspectors_hook_;
    // The main windows followed; absent until start-up reaches the window hooks.
    std::optional<std::vector<std::unique_ptr<ExplorerWrapper>>> explorer_wrappers_;
    std::string current_subject_;
    ScreeningObserver observer_;
    // Last: its steps use everything above, and go with it.
    AfterStartup after_startup_;
};

}  // namespace tarn::addin
