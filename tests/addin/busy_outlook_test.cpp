// Outlook goes on while a command works: the command pumps Outlook's messages once per item,
// and new mail, timer ticks and the user's clicks come in the middle. The walks stay right (no
// item visited or moved twice, none lost), and a second command is refused, not nested.
#include <gmock/gmock.h>

#include <set>

#include "host/sim/sim_items.h"
#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

constexpr int KeptMessages = 1000;

class BusyOutlook : public AddinFixture {
protected:
    void SetUp() override {
        registry.OpenKey(store::SettingsKeyPath, true)->WriteNumber("Load OL Addresses", 0);
        main_window = OpenMainWindow();
        // Mail kept in the Inbox from before, every third message spam by the engine.
        for (int n = 0; n < KeptMessages; ++n) {
            kept.push_back(outlook.AddItem(outlook.Inbox(), {{tag::SenderEmailAddress, "s" + std::to_string(n) + "@old.example"},
                                                             {tag::Subject, "kept " + std::to_string(n)},
                                                             {tag::Body, n % 3 == 0 ? "RATE=90" : "RATE=5"}}));
        }
        Pump();  // before the add-in listens
        Connect();
    }

    host::CommandBarControlPtr Button(const std::u16string& tag) {
        return main_window->Bars()->FindControl(host::ControlType::Button, tag);
    }
    std::size_t StillBusyMessages() {
        std::size_t count = 0;
        for (const auto& call : platform.MessageBoxes().Calls()) count += call.text.starts_with(u"Orvik' Tarn! is still at work");
        return count;
    }
    // Every message is in exactly one folder, once.
    void ExpectEveryMessageOnceInOneFolder(const std::vector<std::shared_ptr<host::sim::SimItem>>& messages) {
        std::set<const host::sim::SimItem*> seen;
        for (const auto& message : messages) {
            const auto now = message->Latest();
            ASSERT_NE(now->Location(), nullptr) << "a message was lost";
            EXPECT_TRUE(now->Location()->StoredItems().Contains(*now));
            EXPECT_TRUE(seen.insert(now.get()).second) << "a message is there twice";
        }
        const long stored = outlook.Inbox()->Items()->Count() + QuarantineFolder()->Items()->Count();
        EXPECT_EQ(stored, static_cast<long>(messages.size()));
    }

    std::shared_ptr<host::sim::SimExplorer> main_window;
    std::vector<std::shared_ptr<host::sim::SimItem>> kept;
};

TEST_F(BusyOutlook, MailAndClicksDuringAFolderAnalysisOfAThousandMessagesCostNoMessageAndNoSecondCommand) {
    std::vector<std::shared_ptr<host::sim::SimItem>> arrived;
    int pumps = 0;
    const auto during = platform.Pump().AddPumpListener([&] {
        ++pumps;
        if (pumps % 100 == 0 && arrived.size() < 8) {
            // New mail into the folder being walked, spam and ham in turn.
            const bool spam = arrived.size() % 2 == 0;
            arrived.push_back(outlook.AddItem(outlook.Inbox(), {{tag::Subject, "arrived"},
                                                                {tag::Body, spam ? "RATE=95" : "RATE=3"}}));
        }
        if (pumps == 250) outlook.Click(Button(u"btnDoCurFold"));
        if (pumps == 500) outlook.Click(Button(u"btnRedFace"));
    });
    outlook.Click(Button(u"btnDoCurFold"));
    Pump();
    ASSERT_EQ(arrived.size(), 8u);

    EXPECT_EQ(StillBusyMessages(), 2u);
    std::vector<std::shared_ptr<host::sim::SimItem>> every = kept;
    every.insert(every.end(), arrived.begin(), arrived.end());
    ExpectEveryMessageOnceInOneFolder(every);
    // Each kept spam moved once, no ham moved; each arrival screened once as it came.
    int kept_spam = 0;
    for (int n = 0; n < KeptMessages; ++n) {
        const bool spam = n % 3 == 0;
        kept_spam += spam;
        EXPECT_EQ(kept[static_cast<std::size_t>(n)]->Location() == QuarantineFolder(), spam) << "kept message " << n;
    }
    for (std::size_t n = 0; n < arrived.size(); ++n) {
        EXPECT_EQ(arrived[n]->Location() == QuarantineFolder(), n % 2 == 0) << "arrived message " << n;
    }
    EXPECT_EQ(QuarantineFolder()->Items()->Count(), kept_spam + 4);
    ASSERT_EQ(dialogs.ProgressWindows().size(), 1u);
    EXPECT_EQ(dialogs.ProgressWindows()[0]->spam_text, u"Spam email: " + platform::Widen(std::to_string(kept_spam)));
    // One report row per message moved.
    EXPECT_EQ(addin.Report().ReportRows().size(), static_cast<std::size_t>(kept_spam + 4));
}

TEST_F(BusyOutlook, AfterTheCommandTheNextClickRunsAgain) {
    const auto during = platform.Pump().AddPumpListener([&] {});
    outlook.Click(Button(u"btnProCur"));
    Pump();
    outlook.Click(Button(u"btnProCur"));
    Pump();
    EXPECT_EQ(StillBusyMessages(), 0u);
    EXPECT_EQ(dialogs.ProgressWindows().size(), 2u);
}

}  // namespace
}  // namespace tarn::addin
