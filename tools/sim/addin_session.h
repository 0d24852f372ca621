#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "addin/tarn_addin.h"
#include "dialogs/headless/headless_dialog_factory.h"
#include "host/sim/sim_outlook.h"
#include "host/sim/sim_platform.h"
#include "platform/reg_file_registry.h"
#include "screening/rules_engine.h"
#include "tools/sim/state_lock.h"

namespace tarn::tools::sim {

// The add-in running in an Outlook of its own: the substitute Outlook, the simulator's system
// services over it, the settings in "registry.reg" of the state folder, headless windows, the
// rating engine beside the program, and the add-in object, started with the state folder as
// its installation directory. The state folder is locked against other runs for the session's
// life (StateFolderUnavailable when it is taken). Message boxes, and every failure the add-in
// contains (a list, settings or report file it cannot write...), go to `messages`.
class AddinSession {
public:
    AddinSession(const std::filesystem::path& state, std::ostream& messages);
    ~AddinSession();
    AddinSession(const AddinSession&) = delete;
    AddinSession& operator=(const AddinSession&) = delete;

    // Runs the add-in's start-up; a failure is reported as Outlook reports it (a message box).
    void Start();
    // What Outlook's closing does: the add-in's shutdown (settings, report on exit, lists).
    void Stop();

    // Delivers one message to a folder of the store and lets Outlook's message loop run, so
    // that the add-in's handler of that folder sees it arrive. The item leaves the store
    // afterwards, so that a long run keeps no more than one message in memory.
    void Deliver(host::DefaultFolder folder, host::sim::ItemContent content);

    // Puts a message in a folder without letting the message loop run: its arrival waits in
    // the queue, for whoever calls the add-in's handlers directly (the benchmarks do).
    std::shared_ptr<host::sim::SimItem> Store(host::DefaultFolder folder, host::sim::PropertyMap properties);

    addin::TTarnAddin& Addin() noexcept { return *addin_; }
    const std::filesystem::path& State() const noexcept { return state_; }
    // Every "open" the add-in asked of the shell (the report pages).
    const std::vector<host::sim::ShellOpenCall>& ShellOpens() const { return platform_->Shell().Calls(); }
    // Why the settings file could not be read; empty when it could.
    const std::string& SettingsProblem() const noexcept { return registry_->LoadError(); }
    // How many failures the add-in contained and wrote to its diagnostics log.
    std::size_t ContainedFailures() const noexcept { return platform_->DebugOutput().Calls().size(); }

private:
    StateFolderLock lock_;
    std::filesystem::path state_;
    std::ostream& messages_;
    host::sim::SimOutlook outlook_;
    host::sim::SimMapiLibrary mapi_;
    std::unique_ptr<platform::RegFileRegistry> registry_;
    std::unique_ptr<host::sim::SimPlatform> platform_;
    platform::Services services_;
    dialogs::HeadlessDialogFactory dialogs_;
    host::Subscription pump_listener_;
    std::unique_ptr<screening::RulesEngine> engine_;
    std::unique_ptr<addin::TTarnAddin> addin_;
};

}  // namespace tarn::tools::sim
