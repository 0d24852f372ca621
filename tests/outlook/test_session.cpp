// The test program's thread is Outlook's user-interface thread: a single-threaded apartment
// for the whole run, as Outlook's own, so that the installed library, once loaded, stays
// loaded. The installation is removed before COM leaves the thread.
#include "tests/outlook/test_session.h"

#include "tests/outlook/stand_in.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <memory>

namespace tarn::outlook {

namespace {

std::unique_ptr<Installation> installation;

class TestSession final : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override {
        if (installation) {
            // Removed as a user removes it, with Outlook running, so that no key is left behind.
            StandIn outlook;
            outlook.RegisterAsRunning();
            if (installation->Unregister() != 0) ADD_FAILURE() << "regsvr32 could not unregister the add-in";
        }
        installation.reset();
        CoUninitialize();
    }
};

[[maybe_unused]] const auto* const session = ::testing::AddGlobalTestEnvironment(new TestSession);

}  // namespace

Installation& InstalledAddin() {
    if (!installation) {
        installation = std::make_unique<Installation>();
        if (installation->Register() != 0) ADD_FAILURE() << "regsvr32 could not register the add-in";
    }
    return *installation;
}

}  // namespace tarn::outlook
