#pragma once

#include <chrono>
#include <memory>

#include "host/sim/sim_outlook.h"
#include "platform/win32/com_ptr.h"
#include "tests/outlook/outlook_server.h"
#include "tests/support/win32/window_watcher.h"
#include "win/extensibility.h"

namespace tarn::outlook {

// What Outlook times of an add-in: the start (Outlook 2013 and later disable an add-in whose
// start takes more than about a second) and, where it is called, the shutdown.
struct AddinTimings {
    std::chrono::microseconds created{};    // asking COM for the object: the library loaded and the object made
    std::chrono::microseconds connected{};  // OnConnection and OnStartupComplete, nobody answering any window
};

// Outlook as the add-in meets it in a user's session, on this thread: the substitute host
// served through COM, with the add-in's entry in its COM add-in list, creating the add-in by
// its ProgID and connecting it as Outlook does at its start. It plays today's Outlook unless
// told to play Outlook 2007.
class StandIn {
public:
    explicit StandIn(host::sim::OutlookVersion version = host::sim::OutlookVersion::Outlook2016);
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
    // The user at the screen, to be told what to do in a dialog.
    test_support::ScreenUser& User() noexcept { return user_; }

    // CoCreateInstance by ProgID, OnConnection at Outlook's start, OnStartupComplete; fails
    // the test when any step fails.
    AddinTimings Connect();
    // The user closes Outlook: its windows close and Quit comes (each reaching the add-in);
    // then Outlook 2010 and later end the process, which here means the add-in is let go
    // without another call, and Outlook 2007 calls OnBeginShutdown and OnDisconnection. Returns
    // how long those two took (zero when they were not called).
    std::chrono::microseconds Exit();
    // The user unticks the add-in in the COM Add-ins dialog ("Connect" set to false): the
    // add-in is disconnected (OnDisconnection, ext_dm_UserClosed) and let go while Outlook
    // runs on. Returns how long it took.
    std::chrono::microseconds DisconnectInComAddInsDialog();
    // Runs the substitute's queued events (each reaching the add-in through its sinks) and this
    // thread's window messages until neither has anything left.
    void Pump();
    // Pumps for a while of real time, as Outlook's message loop runs while the user reads.
    void PumpFor(std::chrono::milliseconds duration);

    // The application object as it stands in the running object table while registered there,
    // as a running Outlook registers itself.
    void RegisterAsRunning();
    void RevokeRunning();

private:
    // The process ends, as far as the add-in can tell: it hears nothing more, and Outlook's
    // entry lets go of its object.
    void LetGo();
    // Outlook raises its events from its message loop: each queued event posts a message to a
    // window of the stand-in's own, and whichever loop runs dispatches it (the add-in's own
    // pump inside a long command, a modal dialog's loop, the test's Pump).
    void MakeEventWindow();
    static LRESULT CALLBACK EventWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    test_support::ScreenUser user_;
    host::sim::SimOutlook sim_;
    platform::ComPtr<ServedObject> application_;
    std::shared_ptr<host::sim::SimComAddIn> entry_;
    platform::ComPtr<ServedObject> served_entry_;
    platform::ComPtr<win::IDTExtensibility2> addin_;
    DWORD running_cookie_ = 0;
    HWND event_window_ = nullptr;
    bool event_message_waiting_ = false;
};

}  // namespace tarn::outlook
