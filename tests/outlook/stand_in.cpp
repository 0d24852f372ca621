#include "tests/outlook/stand_in.h"

#include <gtest/gtest.h>
#include <oleauto.h>

#include "addin/addin_identity.h"
#include "addin/axp_addin.h"
#include "win/server_identity.h"

namespace tarn::outlook {

namespace {

constexpr CLSID CLSID_OutlookApplication = {0x0006F03A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

StandIn::StandIn()
    : application_(ServeApplication(sim_.Application())),
      entry_(sim_.AddComAddIn(std::u16string(addin::ProgId))),
      served_entry_(ServeComAddIn(entry_)) {}

StandIn::~StandIn() {
    RevokeRunning();
    if (addin_) Disconnect();
}

std::chrono::microseconds StandIn::Connect() {
    const auto started = std::chrono::steady_clock::now();
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"Tarn4OL.TarnAddin", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, win::CLSID_TarnAddin));
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, win::IID_IDTExtensibility2,
                               reinterpret_cast<void**>(addin_.Put())),
              S_OK);
    if (!addin_) return {};
    SAFEARRAY* custom = nullptr;
    EXPECT_EQ(addin_->OnConnection(application_.Get(), addin::ConnectAtHostStartup, served_entry_.Get(), &custom), S_OK);
    EXPECT_EQ(addin_->OnStartupComplete(&custom), S_OK);
    const auto loaded = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::microseconds>(loaded - started);
}

void StandIn::Disconnect() {
    if (!addin_) return;
    SAFEARRAY* custom = nullptr;
    EXPECT_EQ(addin_->OnBeginShutdown(&custom), S_OK);
    EXPECT_EQ(addin_->OnDisconnection(addin::DisconnectAtHostShutdown, &custom), S_OK);
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
