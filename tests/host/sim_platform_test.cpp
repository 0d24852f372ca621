#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/sim/sim_mapi.h"
#include "host/sim/sim_outlook.h"
#include "host/sim/sim_platform.h"

namespace tarn::host::sim {
namespace {

using namespace std::chrono_literals;
using Strings = std::vector<std::string>;

// A registry that opens no key: these services never use it.
class NoRegistry final : public platform::Registry {
public:
    std::unique_ptr<platform::RegistryKey> OpenKey(std::string_view, bool) override { return nullptr; }
    void DeleteKey(std::string_view) override {}
};

class SimPlatformTest : public ::testing::Test {
protected:
    SimOutlook outlook;
    NoRegistry registry;
    SimMapiLibrary mapi;
    SimPlatform platform{outlook, registry, mapi};
    platform::Services services = platform.Services();
    Strings trace;
};

TEST_F(SimPlatformTest, PumpListenersRunFirstInEveryPumpNestedOnesIncluded) {
    outlook.Post([this] {
        trace.push_back("event");
        services.pump.ProcessMessages();
    });
    auto listener = platform.Pump().AddPumpListener([this] { trace.push_back("listener"); });
    services.pump.ProcessMessages();
    services.pump.ProcessMessages();
    EXPECT_EQ(trace, (Strings{"listener", "event", "listener", "listener"}));
    listener.Reset();
    services.pump.ProcessMessages();
    EXPECT_EQ(trace.size(), 4u);
}

TEST_F(SimPlatformTest, ATimerHandlerMaySleepAndPumpLikeALongCommand) {
    const auto timer = services.timers.CreateTimer();
    int depth = 0;
    timer->SetHandler([&] {
        const std::string tick = "tick " + std::to_string(++depth);
        trace.push_back(tick + " begins");
        if (depth == 1) {
            outlook.Post([this] { trace.push_back("event"); });
            services.clock.Sleep(1min);  // the timer falls due again meanwhile
            services.pump.ProcessMessages();
        }
        trace.push_back(tick + " ends");
        --depth;
    });
    timer->SetInterval(1min);
    timer->SetEnabled(true);
    platform.Clock().Advance(1min);
    services.pump.ProcessMessages();
    EXPECT_EQ(trace, (Strings{"tick 1 begins", "event", "tick 2 begins", "tick 2 ends", "tick 1 ends"}));
}

TEST_F(SimPlatformTest, MessageBoxesAndShellOpensAreRecordedAndObserved) {
    services.message_boxes.Show(u"Done.", u"Tarn4OL", platform::MessageBoxKind::Information);
    std::vector<MessageBoxCall> boxes_seen;
    platform.MessageBoxes().SetObserver([&](const MessageBoxCall& call) { boxes_seen.push_back(call); });
    services.message_boxes.Show(u"No list.", u"Tarn4OL - error", platform::MessageBoxKind::Error);
    const MessageBoxCall error{u"No list.", u"Tarn4OL - error", platform::MessageBoxKind::Error};
    EXPECT_EQ(platform.MessageBoxes().Calls(),
              (std::vector<MessageBoxCall>{{u"Done.", u"Tarn4OL", platform::MessageBoxKind::Information}, error}));
    EXPECT_EQ(boxes_seen, std::vector<MessageBoxCall>{error});

    std::vector<ShellOpenCall> opens_seen;
    platform.Shell().SetObserver([&](const ShellOpenCall& call) { opens_seen.push_back(call); });
    services.shell.Open(u"C:\\Tarn4OL\\FLUSH.htm", platform::ShowCommand::ShowNormal);
    const std::vector<ShellOpenCall> opens{{u"C:\\Tarn4OL\\FLUSH.htm", platform::ShowCommand::ShowNormal}};
    EXPECT_EQ(platform.Shell().Calls(), opens);
    EXPECT_EQ(opens_seen, opens);
}

TEST_F(SimPlatformTest, ServicesShareTheVirtualTimeAndTheFormats) {
    SimPlatform late(outlook, registry, mapi, {2026, 12, 31, 23, 59, 59});
    const platform::Services late_services = late.Services();
    late.Clock().Advance(1s);
    EXPECT_EQ(late_services.locale.DateTimeText(late_services.clock.Now()), "1/1/2027");
    late.Locale().SetDecimalSeparator(',');
    EXPECT_EQ(late_services.locale.DecimalSeparator(), ',');
    EXPECT_EQ(&late_services.registry, &registry);
    EXPECT_EQ(&late_services.mapi, &mapi);
}

}  // namespace
}  // namespace tarn::host::sim
