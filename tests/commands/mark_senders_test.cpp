// Friends and foes: the senders of the selected messages join one list and leave the other,
// and their messages in the shown folder move.
#include <gmock/gmock.h>

#include "commands/mark_senders.h"
#include "host/host_error.h"
#include "screening/screening_inputs.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

using ::testing::ElementsAre;
using store::ListKind;

class MarkSendersTest : public CommandFixture {
protected:
    void SetUp() override { quarantine_folder = outlook.AddFolder(outlook.Inbox(), u"Quarantine"); }
    void Mark(SenderVerdict verdict, std::vector<std::shared_ptr<host::sim::SimItem>> selected) {
        outlook.Select(explorer, std::move(selected));
        outlook.PumpEvents();
        MarkSenders(Context(), verdict, *lists, settings, engine);
    }
    // The lessons the probe engine was given since the last call.
    std::string NewLessons() {
        const std::string all = engine.AnalyzeThisSpit("LESSONS").text;
        const std::string fresh = all.substr(std::min(all.size(), lessons_seen_.size()));
        lessons_seen_ = all;
        return fresh.starts_with(" ") ? fresh.substr(1) : fresh;
    }
    std::string LengthOf(const std::shared_ptr<host::sim::SimItem>& item) {
        return std::to_string(
            screening::ReadScreeningInputs(*item->Latest(), view, services.diagnostics).screening_text.size());
    }
    std::string lessons_seen_ = engine.AnalyzeThisSpit("LESSONS").text;
    std::vector<std::string> Entries(ListKind kind) { return lists->List(kind).Entries(); }
    std::string File(ListKind kind) { return dir.Read(std::string(store::DefinitionOf(kind).file_name)); }
    bool Written(ListKind kind) { return std::filesystem::exists(lists->FilePath(kind)); }

    std::shared_ptr<host::sim::SimFolder> quarantine_folder;
};

TEST_F(MarkSendersTest, AFoesMessagesGoToTheQuarantineAndTheSenderLeavesTheFriends) {
    Add(ListKind::FriendSenders, "bob@example.net");
    const auto selected = Mail(outlook.Inbox(), "bob@example.net", "offer");
    const auto other = Mail(outlook.Inbox(), "bob@example.net", "another offer");
    const auto other_case = Mail(outlook.Inbox(), "Bob@Example.net", "not the same text");
    const auto someone = Mail(outlook.Inbox(), "ann@example.com", "minutes");
    Mark(SenderVerdict::Foes, {selected});
    EXPECT_EQ(selected->Location(), quarantine_folder);
    EXPECT_EQ(other->Location(), quarantine_folder);
    EXPECT_EQ(other_case->Location(), outlook.Inbox());  // the sweep compares exactly
    EXPECT_EQ(someone->Location(), outlook.Inbox());
    EXPECT_THAT(Entries(ListKind::BannedSenders), ElementsAre("--++BANNED SENDERS++--", "bob@example.net"));
    EXPECT_THAT(Entries(ListKind::FriendSenders), ElementsAre("--++protected senders++--"));
    // Both files are written at once, not only at shutdown.
    EXPECT_EQ(File(ListKind::BannedSenders), "--++BANNED SENDERS++--\r\nbob@example.net\r\n");
    EXPECT_EQ(File(ListKind::FriendSenders), "--++protected senders++--\r\n");
}

// A conversation view selects the user's own sent messages with the others: the user's own
// address is never a foe, and the sent message stays where it is.
TEST_F(MarkSendersTest, TheUsersOwnSentMessagesInTheSelectionAreNeitherMarkedNorMoved) {
    const auto sent_items = outlook.DefaultFolder(host::DefaultFolder::SentMail);
    const auto offer = Mail(outlook.Inbox(), "bob@example.net", "offer");
    const auto reply = Mail(sent_items, "me@home.example", "Re: offer");
    Mark(SenderVerdict::Foes, {offer, reply});
    EXPECT_EQ(offer->Location(), quarantine_folder);
    EXPECT_EQ(reply->Location(), sent_items);
    EXPECT_THAT(Entries(ListKind::BannedSenders), ElementsAre("--++BANNED SENDERS++--", "bob@example.net"));
    EXPECT_EQ(NewLessons(), "+spam " + LengthOf(offer));
}

TEST_F(MarkSendersTest, AConversationHeaderSelectsNoMessageAndMarksNothing) {
    const auto offer = Mail(outlook.Inbox(), "bob@example.net", "offer");
    outlook.SelectConversationHeader(explorer);
    outlook.PumpEvents();
    MarkSenders(Context(), SenderVerdict::Foes, *lists, settings, engine);
    EXPECT_EQ(offer->Location(), outlook.Inbox());
    EXPECT_FALSE(Written(ListKind::BannedSenders));
}

TEST_F(MarkSendersTest, AFriendsMessagesComeBackToTheInboxFromTheShownQuarantine) {
    Add(ListKind::BannedSenders, "ann@example.com");
    const auto selected = Mail(quarantine_folder, "ann@example.com", "lunch");
    const auto other = Mail(quarantine_folder, "ann@example.com", "lunch again");
    outlook.SetCurrentFolder(explorer, quarantine_folder);
    Mark(SenderVerdict::Friends, {selected});
    EXPECT_EQ(selected->Location(), outlook.Inbox());
    EXPECT_EQ(other->Location(), outlook.Inbox());
    EXPECT_THAT(Entries(ListKind::FriendSenders), ElementsAre("--++protected senders++--", "ann@example.com"));
    EXPECT_THAT(Entries(ListKind::BannedSenders), ElementsAre("--++BANNED SENDERS++--"));
    EXPECT_TRUE(Written(ListKind::BannedSenders));
}

TEST_F(MarkSendersTest, TheOtherListIsWrittenOnlyWhenAnEntryLeftIt) {
    Mark(SenderVerdict::Friends, {Mail(outlook.Inbox(), "ann@example.com", "x")});
    EXPECT_TRUE(Written(ListKind::FriendSenders));
    EXPECT_FALSE(Written(ListKind::BannedSenders));
}

TEST_F(MarkSendersTest, TwoMessagesOfOneSenderMakeOneEntry) {
    Mark(SenderVerdict::Foes,
         {Mail(outlook.Inbox(), "bob@example.net", "one"), Mail(outlook.Inbox(), "BOB@example.net", "two")});
    EXPECT_THAT(Entries(ListKind::BannedSenders), ElementsAre("--++BANNED SENDERS++--", "bob@example.net"));
    EXPECT_EQ(quarantine_folder->Items()->Count(), 2);
}

TEST_F(MarkSendersTest, OnlyTheMailOfASelectionIsMarkedAndMoved) {
    const auto note = outlook.AddItem(outlook.Inbox(), {{tag::SenderEmailAddress, "note@example.com"}},
                                      host::item_class::Appointment);
    const auto mail = Mail(outlook.Inbox(), "bob@example.net", "offer");
    Mark(SenderVerdict::Foes, {note, mail});
    EXPECT_EQ(note->Location(), outlook.Inbox());
    EXPECT_EQ(mail->Location(), quarantine_folder);
    EXPECT_THAT(Entries(ListKind::BannedSenders), ElementsAre("--++BANNED SENDERS++--", "bob@example.net"));
}

TEST_F(MarkSendersTest, WithMoveToFolderFoesGoToDeletedItems) {
    settings.move_to_folder = 1;
    const auto mail = Mail(outlook.Inbox(), "bob@example.net", "offer");
    Mark(SenderVerdict::Foes, {mail});
    EXPECT_EQ(mail->Location(), outlook.DeletedItems());
}

TEST_F(MarkSendersTest, AnUnreadableSenderMarksNoOneAndSweepsNothing) {
    const auto unreadable = outlook.AddItem(outlook.Inbox(), {{tag::Subject, "no sender"}});
    const auto draft = outlook.AddItem(outlook.Inbox(), {{tag::Subject, "no sender either"}});
    Mark(SenderVerdict::Foes, {unreadable});
    EXPECT_EQ(unreadable->Location(), quarantine_folder);  // the user's own choice moves
    EXPECT_EQ(draft->Location(), outlook.Inbox());
    EXPECT_THAT(Entries(ListKind::BannedSenders), ElementsAre("--++BANNED SENDERS++--"));
}

TEST_F(MarkSendersTest, NothingHappensWithoutASelectionOrOutsideAMailFolder) {
    const auto mail = Mail(outlook.Inbox(), "bob@example.net", "offer");
    Mark(SenderVerdict::Foes, {});
    EXPECT_EQ(mail->Location(), outlook.Inbox());
    const auto contacts = outlook.DefaultFolder(host::DefaultFolder::Contacts);
    outlook.SetCurrentFolder(explorer, contacts);
    Mark(SenderVerdict::Foes, {mail});
    EXPECT_EQ(mail->Location(), outlook.Inbox());
    EXPECT_FALSE(Written(ListKind::BannedSenders));
}

TEST_F(MarkSendersTest, AMessageThatWillNotMoveLeavesTheOthersToGoOn) {
    const auto first = Mail(outlook.Inbox(), "bob@example.net", "one");
    const auto second = Mail(outlook.Inbox(), "eve@example.net", "two");
    outlook.Faults().Refuse("Item.Move", 1);
    Mark(SenderVerdict::Foes, {first, second});
    EXPECT_EQ(second->Location(), quarantine_folder);
    // The first stayed when marked, and the sweep moved it as a marked sender's message.
    EXPECT_EQ(first->Location(), quarantine_folder);
    EXPECT_EQ(Entries(ListKind::BannedSenders).size(), 3u);
}

TEST_F(MarkSendersTest, AListFileThatCannotBeWrittenEndsTheCommandBeforeTheSweep) {
    const auto selected = Mail(outlook.Inbox(), "bob@example.net", "one");
    const auto other = Mail(outlook.Inbox(), "bob@example.net", "two");
    std::filesystem::create_directory(lists->FilePath(ListKind::BannedSenders));  // a folder where the file goes
    EXPECT_ANY_THROW(Mark(SenderVerdict::Foes, {selected}));
    EXPECT_EQ(selected->Location(), quarantine_folder);
    EXPECT_EQ(other->Location(), outlook.Inbox());
}

TEST_F(MarkSendersTest, EachSelectedMessageTeachesTheEngineAFoesAsSpamAFriendsAsHam) {
    const auto offer = Mail(outlook.Inbox(), "bob@example.net", "offer", "RATE=10 cheap watches");
    const auto swept = Mail(outlook.Inbox(), "bob@example.net", "another offer", "RATE=10 more watches");
    const auto minutes = Mail(outlook.Inbox(), "ann@example.com", "minutes", "RATE=10 the minutes");
    Mark(SenderVerdict::Foes, {offer});
    EXPECT_EQ(NewLessons(), "+spam " + LengthOf(offer)) << "only what the user selected teaches";
    EXPECT_EQ(swept->Location(), quarantine_folder);

    // A friend's message: any lesson that it was spam is taken back first.
    Mark(SenderVerdict::Friends, {minutes, offer});
    EXPECT_EQ(NewLessons(), "-spam " + LengthOf(minutes) + " +ham " + LengthOf(minutes) + " -spam " +
                                LengthOf(offer) + " +ham " + LengthOf(offer));
}

TEST_F(MarkSendersTest, WithLearningOffOrAnEngineThatCannotLearnTheMarksTeachNothingAndWorkAsBefore) {
    settings.learning = false;
    const auto offer = Mail(outlook.Inbox(), "bob@example.net", "offer");
    Mark(SenderVerdict::Foes, {offer});
    EXPECT_EQ(NewLessons(), "");
    EXPECT_EQ(offer->Location(), quarantine_folder);

    settings.learning = true;
    screening::RulesEngine four{platform::OwnModuleFolder() / "probe-engine-four", {}};
    ASSERT_TRUE(four.Available());
    EXPECT_FALSE(four.CanLearn());
    const auto other = Mail(outlook.Inbox(), "eve@example.org", "offer");
    outlook.Select(explorer, {other});
    outlook.PumpEvents();
    MarkSenders(Context(), SenderVerdict::Foes, *lists, settings, four);
    EXPECT_EQ(other->Location(), quarantine_folder);
    EXPECT_THAT(Entries(ListKind::BannedSenders), ::testing::Contains("eve@example.org"));
}

}  // namespace
}  // namespace tarn::commands
