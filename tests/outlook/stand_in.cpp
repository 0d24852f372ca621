#include "tests/outlook/stand_in.h"

#include <gtest/gtest.h>
#include <oleauto.h>

#include "addin/addin_identity.h"
#include "addin/axp_addin.h"
#include "win/server_identity.h"

namespace tarn::outlook {

namespace {

using Clock = std::chrono::steady_clock;

constexpr CLSID CLSID_OutlookApplication = {0x0006F03A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr const wchar_t* EventWindowClass = L"Tarn4OL stand-in Outlook events";
constexpr UINT DeliverEvents = WM_APP + 7;

std::chrono::microseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
}

}  // namespace

StandIn::StandIn(host::sim::OutlookVersion version)
    : sim_(version),
      application_(ServeApplication(sim_.Application())),
      entry_(sim_.AddComAddIn(std::u16string(addin::ProgId))),
      served_entry_(ServeComAddIn(entry_)) {
    MakeEventWindow();
}

StandIn::~StandIn() {
    RevokeRunning();
    if (addin_) Exit();
    LimitOpenItems(0);
    sim_.OnEventPosted({});
    DestroyWindow(event_window_);
}

void StandIn::MakeEventWindow() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = &StandIn::EventWindowProcedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = EventWindowClass;
    RegisterClassExW(&window_class);  // fails harmlessly when an earlier stand-in registered it
    event_window_ = CreateWindowExW(0, EventWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(event_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    sim_.OnEventPosted([this] {
        if (event_message_waiting_) return;
        event_message_waiting_ = PostMessageW(event_window_, DeliverEvents, 0, 0) != FALSE;
    });
}

LRESULT CALLBACK StandIn::EventWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* stand_in = reinterpret_cast<StandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != DeliverEvents || stand_in == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    stand_in->event_message_waiting_ = false;
    try {
        stand_in->sim_.PumpEvents();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "an event of the stand-in failed: " << error.what();
    }
    return 0;
}

AddinTimings StandIn::Connect() {
    AddinTimings timings;
    const auto asked = Clock::now();
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"Tarn4OL.TarnAddin", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, win::CLSID_TarnAddin));
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, win::IID_IDTExtensibility2,
                               reinterpret_cast<void**>(addin_.Put())),
              S_OK);
    timings.created = Since(asked);
    if (!addin_) return timings;
    SAFEARRAY* custom = nullptr;
    const auto connecting = Clock::now();
    EXPECT_EQ(addin_->OnConnection(application_.Get(), addin::ConnectAtHostStartup, served_entry_.Get(), &custom), S_OK);
    EXPECT_EQ(addin_->OnStartupComplete(&custom), S_OK);
    timings.connected = Since(connecting);
    return timings;
}

std::chrono::microseconds StandIn::Exit() {
    if (!addin_) return {};
    sim_.Quit();
    Pump();
    if (host::sim::ExitsWithoutShutdown(sim_.Version())) {
        LetGo();
        return {};
    }
    SAFEARRAY* custom = nullptr;
    const auto shutting_down = Clock::now();
    EXPECT_EQ(addin_->OnBeginShutdown(&custom), S_OK);
    EXPECT_EQ(addin_->OnDisconnection(addin::DisconnectAtHostShutdown, &custom), S_OK);
    const auto took = Since(shutting_down);
    LetGo();
    return took;
}

std::chrono::microseconds StandIn::DisconnectInComAddInsDialog() {
    if (!addin_) return {};
    SAFEARRAY* custom = nullptr;
    const auto disconnecting = Clock::now();
    EXPECT_EQ(addin_->OnDisconnection(addin::DisconnectByUser, &custom), S_OK);
    const auto took = Since(disconnecting);
    LetGo();
    Pump();
    return took;
}

void StandIn::LetGo() {
    // The entry's Object holds the add-in's object: Outlook lets go of both.
    DISPID object_id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(L"Object");
    if (SUCCEEDED(served_entry_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &object_id))) {
        VARIANT nothing;
        VariantInit(&nothing);
        nothing.vt = VT_DISPATCH;
        nothing.pdispVal = nullptr;
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS parameters{&nothing, &put, 1, 1};
        served_entry_->Invoke(object_id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr,
                              nullptr, nullptr);
    }
    addin_.Reset();
}

void StandIn::Pump() {
    for (;;) {
        bool worked = sim_.PumpEvents() > 0;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            worked = true;
        }
        if (!worked) return;
    }
}

void StandIn::PumpFor(std::chrono::milliseconds duration) {
    const auto until = Clock::now() + duration;
    while (Clock::now() < until) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    Pump();
}

void StandIn::RegisterAsRunning() {
    ASSERT_EQ(RegisterActiveObject(static_cast<IDispatch*>(application_.Get()), CLSID_OutlookApplication, ACTIVEOBJECT_STRONG, &running_cookie_),
              S_OK);
}

void StandIn::RevokeRunning() {
    if (running_cookie_ == 0) return;
    RevokeActiveObject(running_cookie_, nullptr);
    running_cookie_ = 0;
}

}  // namespace tarn::outlook
