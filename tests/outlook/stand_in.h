#pragma once

#include <chrono>
#include <memory>

#include "host/sim/sim_outlook.h"
#include "platform/win32/com_ptr.h"
#include "tests/outlook/outlook_server.h"
#include "tests/support/win32/window_watcher.h"
#include "win/extensibility.h"

namespace tarn::outlook {

// Outlook as the add-in meets it in a user's session, on this thread: the substitute host
// served through COM, with the add-in's entry in its COM add-in list, creating the add-in by
// its ProgID and connecting it as Outlook does at its start.
class StandIn {
public:
    StandIn();
    ~StandIn();
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    host::sim::SimOutlook& Sim() noexcept { return sim_; }
    // The add-in's entry in Outlook's COM add-in list.
    const std::shared_ptr<host::sim::SimComAddIn>& Entry() const noexcept { return entry_; }
    // The message boxes the add-in showed in this session, each read and closed with OK.
    std::vector<test_support::ShownMessageBox> MessageBoxes() const { return user_.MessageBoxes(); }
    // The titles of the add-in's other windows that waited for the user, who closed them.
    std::vector<std::wstring> ClosedWindows() const { return user_.ClosedWindows(); }

    // CoCreateInstance by ProgID, OnConnection at Outlook's start, OnStartupComplete. Returns
    // the time from asking COM for the object to the end of OnStartupComplete; fails the test
    // when any step fails.
    std::chrono::microseconds Connect();
    // OnBeginShutdown and OnDisconnection at Outlook's exit; the add-in object is let go.
    void Disconnect();
    // Runs the substitute's queued events (each reaching the add-in through its sinks) and this
    // thread's window messages until neither has anything left.
    void Pump();

    // The application object as it stands in the running object table while registered there,
    // as a running Outlook registers itself.
    void RegisterAsRunning();
    void RevokeRunning();

private:
    test_support::ScreenUser user_;
    host::sim::SimOutlook sim_;
    platform::ComPtr<ServedObject> application_;
    std::shared_ptr<host::sim::SimComAddIn> entry_;
    platform::ComPtr<ServedObject> served_entry_;
    platform::ComPtr<win::IDTExtensibility2> addin_;
    DWORD running_cookie_ = 0;
};

}  // namespace tarn::outlook
