// The scans that make friends: the address book, the sent mail and the shown folder.
#include <gmock/gmock.h>

#include "commands/friend_scans.h"
#include "platform/files.h"
#include "tests/commands/command_fixture.h"

namespace tarn::commands {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using store::ListKind;

class FriendScans : public CommandFixture {
protected:
    std::vector<std::string> Friends() { return lists->List(ListKind::FriendSenders).Entries(); }
    std::string FriendsFile() { return dir.Read("OKsenders.tarn"); }
    void Contact(std::string address) {
        outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({std::move(address)}),
                        host::item_class::Contact);
    }
    void Sent(std::vector<std::u16string> addresses) {
        host::sim::ItemContent content;
        content.properties = {{tag::Subject, "sent"}};
        for (auto& address : addresses) content.recipients.push_back({u"Someone", std::move(address)});
        outlook.AddMail(outlook.DefaultFolder(host::DefaultFolder::SentMail), std::move(content));
    }
};

TEST_F(FriendScans, TheAddressBookGivesItsAddressesAndTheFileIsWrittenAtOnce) {
    Contact("ann@example.com");
    Contact("");  // a contact without an address adds nothing
    outlook.AddItem(outlook.DefaultFolder(host::DefaultFolder::Contacts), outlook.ContactProperties({"list@example.com"}),
                    host::item_class::Mail);
    Contact("Bob@Example.net");
    ScanContacts(Context(), *lists);
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "ann@example.com", "Bob@Example.net"));
    EXPECT_EQ(FriendsFile(), "--++protected senders++--\r\nann@example.com\r\nBob@Example.net\r\n");
    const auto& window = Window();
    EXPECT_EQ(window.title, u"Orvik: 4 of your contacts will be scanned...");
    EXPECT_EQ(window.spam_text, u"Please wait...");
    EXPECT_FALSE(window.legit_visible);
    EXPECT_EQ(window.detail, u"Bob@Example.net");
    EXPECT_TRUE(window.destroyed);
}

TEST_F(FriendScans, SentMailGivesEveryRecipientOnceInLowerCaseWrittenAtOnce) {
    Sent({u"Ann@Example.com", u"bob@example.net"});
    Sent({u"ann@example.com"});
    ProtectSentMail(Context(), *lists, settings);
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "ann@example.com", "bob@example.net"));
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "--++protected senders++--\r\nann@example.com\r\nbob@example.net\r\n");
    EXPECT_EQ(Window().title, u"Orvik: Sent Items= 2");
}

TEST_F(FriendScans, PausedTheSentMailIsNotScanned) {
    Sent({u"ann@example.com"});
    settings.paused = true;
    ProtectSentMail(Context(), *lists, settings);
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--"));
    EXPECT_TRUE(dialogs.ProgressWindows().empty());
}

TEST_F(FriendScans, TheShownFolderGivesItsSendersOnceHoweverOftenItIsScanned) {
    Mail(outlook.Inbox(), "Ann <ANN@example.com>", "one");
    // Colleagues inside an Exchange organization: by the SMTP address the store keeps beside
    // the directory address, or not at all; a directory address is never a friend.
    Mail(outlook.Inbox(), "/O=ORG/OU=SITE/CN=RECIPIENTS/CN=BOB", "an internal sender without an SMTP address");
    outlook.AddItem(outlook.Inbox(), {{tag::SenderAddressType, "EX"},
                                      {tag::SenderEmailAddress, "/o=Org/ou=Site/cn=Recipients/cn=carol"},
                                      {tag::SenderSmtpAddress, "Carol@Org.example"},
                                      {tag::Subject, "an internal sender"}});
    Mail(outlook.Inbox(), "ann@example.com", "two");
    ProtectCurrentFolder(Context(), *lists);
    const auto first = Friends();
    // In the order of the user's locale, which Windows and Linux sort punctuation differently in.
    EXPECT_THAT(first, UnorderedElementsAre("--++protected senders++--", "ann@example.com", "carol@org.example"));
    ProtectCurrentFolder(Context(), *lists);
    EXPECT_EQ(Friends(), first);
    EXPECT_EQ(Window().title, u"Orvik: Inbox= 4");
}

TEST_F(FriendScans, AFolderOfOtherItemsIsNotScanned) {
    outlook.SetCurrentFolder(explorer, outlook.DefaultFolder(host::DefaultFolder::Calendar));
    ProtectCurrentFolder(Context(), *lists);
    EXPECT_TRUE(dialogs.ProgressWindows().empty());
}

TEST_F(FriendScans, CancelKeepsWhatWasAddedAndTheListIsStillNormalized) {
    Mail(outlook.Inbox(), "ann@example.com", "one");
    Mail(outlook.Inbox(), "bob@example.net", "two");
    dialogs.CancelNextProgressAfterPumps(2);
    ProtectCurrentFolder(Context(), *lists);
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "ann@example.com"));
    EXPECT_EQ(FriendsFile(), "--++protected senders++--\r\nann@example.com\r\n");  // written at once
    EXPECT_TRUE(Window().destroyed);
}

TEST_F(FriendScans, AFriendsFileThatCannotBeWrittenReachesTheUserAndTheFriendsStay) {
    Mail(outlook.Inbox(), "ann@example.com", "one");
    dir.Write("OKsenders.tarn", "--++protected senders++--\r\n");
    std::filesystem::permissions(dir / "OKsenders.tarn", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_THROW(ProtectCurrentFolder(Context(), *lists), platform::FileError);
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "ann@example.com"));
    EXPECT_EQ(FriendsFile(), "--++protected senders++--\r\n");
}

TEST_F(FriendScans, AnItemThatCannotBeReadIsSkipped) {
    Contact("ann@example.com");
    Contact("bob@example.net");
    outlook.Faults().Refuse("Item.Class", 1);
    ScanContacts(Context(), *lists);
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "bob@example.net"));
}

TEST_F(FriendScans, AFailingAddressBookStillWritesTheFileAndReachesTheCaller) {
    Contact("ann@example.com");
    outlook.Faults().Refuse("Items.Count", 1);  // the window's maximum
    EXPECT_ANY_THROW(ScanContacts(Context(), *lists));
    EXPECT_EQ(FriendsFile(), "--++protected senders++--\r\n");
}

}  // namespace
}  // namespace tarn::commands
