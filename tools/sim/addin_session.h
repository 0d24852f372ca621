#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "addin/addin_registration.h"
#include "addin/button_face_source.h"
#include "addin/tarn_addin.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "host/sim/sim_class_registry.h"
#include "host/sim/sim_outlook.h"
#include "host/sim/sim_platform.h"
#include "platform/reg_file_registry.h"
#include "screening/rules_engine.h"
#include "tools/sim/state_lock.h"

namespace tarn::tools::sim {

// The add-in running in an Outlook of its own: the substitute Outlook with its main window on
// the Inbox, the simulator's system services over it, the settings and the add-in key in
// "registry.reg" of the state folder, headless windows, the rating engine beside the program,
// and the add-in object, connected as Outlook connects it, with the state folder as its
// installation directory. A state folder without the add-in key is registered first, as
// regsvr32 would. The state folder is locked against other runs for the session's life
// (StateFolderUnavailable when it is taken). Message boxes, and every failure the add-in
// contains (a list, settings or report file it cannot write...), go to `messages`.
class AddinSession {
public:
    AddinSession(const std::filesystem::path& state, std::ostream& messages,
                 host::sim::OutlookVersion version = host::sim::OutlookVersion::Outlook2016);
    ~AddinSession();
    AddinSession(const AddinSession&) = delete;
    AddinSession& operator=(const AddinSession&) = delete;

    // What Outlook's start does: the connection and its start-up. A failure that Outlook would
    // be told of goes to `messages` and counts as a failure.
    void Start();
    // What Outlook's closing does: its windows close and the application's Quit comes; then
    // Outlook 2010 and later end the process, and Outlook 2007 and older call the add-in's
    // shutdown (settings, report on exit, lists) and disconnect it.
    void Stop();

    // Delivers one message to a folder of the store and lets Outlook's message loop run, so
    // that the add-in's handler of that folder sees it arrive. The item leaves the store
    // afterwards, so that a long run keeps no more than one message in memory.
    // `after` hears of the item, wherever the add-in put it, before it leaves.
    void Deliver(host::DefaultFolder folder, host::sim::ItemContent content,
                 const std::function<void(const std::shared_ptr<host::sim::SimItem>&)>& after = {});

    // Puts a message in a folder without letting the message loop run: its arrival waits in
    // the queue, for whoever calls the add-in's handlers directly (the benchmarks do).
    std::shared_ptr<host::sim::SimItem> Store(host::DefaultFolder folder, host::sim::PropertyMap properties);

    // Puts a message into a folder as if it had been there before Outlook started: no add-in
    // hears of it. Only before Start.
    void Keep(const std::shared_ptr<host::sim::SimFolder>& folder, host::sim::ItemContent content);
    // A contact of the address book, with up to three e-mail addresses. Only before Start.
    void KeepContact(const std::vector<std::string>& addresses);

    // The user turns the main window to a folder, or selects items of the folder it shows (by
    // their 1-based numbers), and Outlook's message loop runs.
    void Show(const std::shared_ptr<host::sim::SimFolder>& folder);
    void Select(const std::vector<long>& numbers);
    // The user turns the main window to the item's folder and selects the item alone.
    void SelectItem(const std::shared_ptr<host::sim::SimItem>& item);

    // The user clicks the button with this tag in the main window, and the click's command
    // runs; in a dialog it opens, the user plays `dialog` (without it, closes the dialog). False
    // when the main window has no such button.
    bool Click(const std::u16string& tag, const dialogs::DialogScript& dialog = {});
    // How many dialog scripts could not be played whole (an action the dialog could not take,
    // or a click that opened no dialog); each was told in `messages`.
    std::size_t DialogScriptsRefused() const noexcept { return dialog_scripts_refused_; }

    host::sim::SimOutlook& Outlook() noexcept { return outlook_; }
    // The settings and the add-in key, in "registry.reg" of the state folder.
    platform::Registry& Registry() noexcept { return *registry_; }

    addin::TTarnAddin& Addin() noexcept { return *addin_; }
    const std::filesystem::path& State() const noexcept { return state_; }
    // The main window, with the toolbars the add-in built.
    host::sim::SimExplorer& MainWindow() const noexcept { return *explorer_; }
    // The bars the add-in recorded in its key ("CmdBars").
    std::vector<std::string> RecordedBars();
    // How many times the add-in had the shell open the report page.
    std::size_t ReportsOpened() const;
    // Why the settings file could not be read; empty when it could.
    const std::string& SettingsProblem() const noexcept { return registry_->LoadError(); }
    // How many failures the add-in contained and wrote to its diagnostics log, with those of
    // the connection.
    std::size_t ContainedFailures() const noexcept {
        return platform_->DebugOutput().Calls().size() + connection_failures_;
    }

private:
    void ConnectionFailed(const std::string& call, const std::exception& error);
    // Tells `messages` of the windows the add-in showed since the last time.
    void TellNewWindows();
    void TellBanAllow(const dialogs::BanAllowWindowRecord& dialog);
    void TellOptions(const dialogs::OptionsWindowRecord& dialog);

    StateFolderLock lock_;
    std::filesystem::path state_;
    std::ostream& messages_;
    host::sim::SimOutlook outlook_;
    host::sim::SimMapiLibrary mapi_;
    host::sim::SimClassRegistry classes_;
    std::unique_ptr<platform::RegFileRegistry> registry_;
    std::unique_ptr<host::sim::SimPlatform> platform_;
    platform::Services services_;
    dialogs::HeadlessDialogFactory dialogs_;
    host::Subscription pump_listener_;
    std::unique_ptr<screening::RulesEngine> engine_;
    std::unique_ptr<addin::ButtonFaceSource> faces_;
    std::unique_ptr<addin::AddInRegistration> registration_;
    std::shared_ptr<host::sim::SimExplorer> explorer_;
    std::shared_ptr<host::sim::SimComAddIn> entry_;
    std::unique_ptr<addin::TTarnAddin> addin_;
    std::size_t connection_failures_ = 0;
    std::size_t about_windows_told_ = 0;
    std::size_t progress_windows_told_ = 0;
    std::size_t ban_allow_windows_told_ = 0;
    std::size_t options_windows_told_ = 0;
    std::size_t dialog_scripts_refused_ = 0;
};

}  // namespace tarn::tools::sim
