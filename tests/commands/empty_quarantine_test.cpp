#include "commands/empty_quarantine.h"
#include "host/host_error.h"
#include "host/sim/sim_items.h"
#include "quarantine/quarantine_folder.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

class EmptyQuarantineTest : public CommandFixture {
protected:
    std::shared_ptr<host::sim::SimFolder> quarantine;

    void SetUp() override {
        quarantine::GetQuarantineFolder(*outlook.Application());
        quarantine = outlook.Inbox()->Subfolders().Find(u"Quarantine");
    }
    std::shared_ptr<host::sim::SimItem> Put(const std::string& subject, long item_class = host::item_class::Mail) {
        return outlook.AddItem(quarantine, {{tag::Subject, subject}}, item_class);
    }
    void Run() { EmptyQuarantine(Context()); }
};

TEST_F(EmptyQuarantineTest, AnEmptyQuarantineShowsNothing) {
    Run();
    EXPECT_TRUE(dialogs.ProgressWindows().empty());
}

TEST_F(EmptyQuarantineTest, MailGoesToDeletedItemsFromTheLastToTheFirstAndOtherItemsStay) {
    const auto first = Put("first");
    const auto note = Put("a note", host::item_class::Appointment);
    const auto last = Put("last");
    Run();
    EXPECT_EQ(first->Location(), outlook.DeletedItems());
    EXPECT_EQ(last->Location(), outlook.DeletedItems());
    EXPECT_EQ(note->Location(), quarantine);
    EXPECT_EQ(outlook.DeletedItems()->StoredItems().Elements().front(), last);
    const auto& window = Window();
    EXPECT_EQ(window.title, u"Orvik: 3 items moved to Deletion folder");
    EXPECT_EQ(window.spam_text, u"Please wait...");
    EXPECT_FALSE(window.legit_visible);
    EXPECT_EQ(window.maximum, 3);
    EXPECT_EQ(window.positions, (std::vector<int>{0, 2}));  // the appointment's position is skipped
    EXPECT_EQ(window.detail, u"first");
    EXPECT_TRUE(window.destroyed);
}

TEST_F(EmptyQuarantineTest, CancelStopsBeforeTheNextItemAndWhatWasDeletedStaysDeleted) {
    const auto a = Put("a");
    const auto b = Put("b");
    const auto c = Put("c");
    dialogs.CancelNextProgressAfterPumps(2);
    Run();
    EXPECT_EQ(c->Location(), outlook.DeletedItems());
    EXPECT_EQ(b->Location(), quarantine);
    EXPECT_EQ(a->Location(), quarantine);
    EXPECT_TRUE(Window().destroyed);
}

TEST_F(EmptyQuarantineTest, AnItemThatCannotBeDeletedIsShownAndTheOthersGo) {
    const auto kept = Put("kept");
    const auto gone = Put("gone");
    kept->Faults().Refuse("Delete");
    Run();
    EXPECT_EQ(kept->Location(), quarantine);
    EXPECT_EQ(gone->Location(), outlook.DeletedItems());
    EXPECT_EQ(Window().detail, u"Please wait...");
}

TEST_F(EmptyQuarantineTest, AnyOtherFailureEndsTheCommandWithTheWindowClosed) {
    Put("a");
    outlook.Faults().Refuse("Items.Item");
    EXPECT_THROW(Run(), host::HostError);
    EXPECT_TRUE(Window().destroyed);
}

}  // namespace
}  // namespace tarn::commands
