#include <gmock/gmock.h>

#include <cctype>

#include "tests/addin/addin_fixture.h"

namespace tarn::addin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using store::ListKind;

constexpr const char* WithCharset = "Content-Type: text/plain; charset=utf-8\r\n";

host::sim::PropertyMap Mail(std::string sender, std::string subject, std::string body, std::string headers = WithCharset) {
    return {{tag::SenderEmailAddress, std::move(sender)},
            {tag::Subject, std::move(subject)},
            {tag::Body, std::move(body)},
            {tag::DisplayTo, "Tom Baker"},
            {tag::TransportMessageHeaders, std::move(headers)}};
}

class NewMail : public AddinFixture {
protected:
    void SetUp() override {
        Connect();
        addin.SetScreeningObserver([this](const host::ItemPtr&, const ScreeningOutcome& outcome) { outcomes.push_back(outcome); });
    }
    void Add(ListKind kind, const char* entry) { addin.Lists()->List(kind).Add(entry); }
    const std::vector<std::string>& Rows() { return addin.Report().ReportRows(); }
    bool InInbox(const std::shared_ptr<host::sim::SimItem>& item) { return item->Location() == outlook.Inbox(); }

    std::vector<ScreeningOutcome> outcomes;
};

TEST_F(NewMail, WhilePausedNothingHappens) {
    addin.Settings().paused = true;
    const auto item = Arrive(Mail("spam@example.com", "x", "RATE=200"));
    EXPECT_TRUE(InInbox(item));
    EXPECT_EQ(addin.Report().FSpamSinceReport(), 0);
    EXPECT_EQ(QuarantineFolder()->Items()->Count(), 0);  // the first start made it; nothing went in
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].decision, ScreeningOutcome::Decision::NotScreened);
}

TEST_F(NewMail, ItemsThatAreNotMailAreLeftAlone) {
    const auto item = Arrive(Mail("spam@example.com", "x", "RATE=200"), host::item_class::Appointment);
    EXPECT_TRUE(InInbox(item));
    EXPECT_EQ(QuarantineFolder()->Items()->Count(), 0);  // the first start made it; nothing went in
}

TEST_F(NewMail, TheEngineDecidesAtFiftyAndSpamMovesToTheQuarantine) {
    const auto spam = Arrive(Mail("a@example.com", "Offer", "RATE=50"));
    const auto ham = Arrive(Mail("b@example.com", "Hello", "RATE=49"));
    ASSERT_NE(QuarantineFolder(), nullptr);
    EXPECT_EQ(spam->Location(), QuarantineFolder());
    EXPECT_TRUE(InInbox(ham));
    EXPECT_THAT(Rows(), ElementsAre("<TR><TD>Tom Baker</TD><TD><B>Offer</B><BR><I>rated 50&gt;</I></TD><TD>a@example.com</TD></TR>"));
    EXPECT_EQ(addin.Report().FSpamSinceReport(), 1);
}

TEST_F(NewMail, FriendsAndProtectedWordsWinOverEveryTest) {
    Add(ListKind::FriendSenders, "friend@example.com");
    Add(ListKind::ForbiddenWords, "casino");
    Add(ListKind::BannedSenders, "banned.example");
    Add(ListKind::ProtectedWords, "invoice");
    const auto from_friend = Arrive(Mail("friend@example.com", "casino night", "RATE=255"));
    const auto protected_word = Arrive(Mail("x@banned.example", "Your invoice", "RATE=255"));
    EXPECT_TRUE(InInbox(from_friend));
    EXPECT_TRUE(InInbox(protected_word));
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].decision, ScreeningOutcome::Decision::FriendSender);
    EXPECT_EQ(outcomes[1].decision, ScreeningOutcome::Decision::ProtectedWord);
    EXPECT_TRUE(Rows().empty());
}

TEST_F(NewMail, LocalTestsRunInOrderAndTheFirstGivesTheReason) {
    Add(ListKind::BannedSenders, "banned.example");
    Add(ListKind::ForbiddenWords, "casino");
    addin.Settings().alphabet_groups = "000100000000";  // Chinese
    addin.Settings().block_english = true;
    Arrive(Mail("x@banned.example", "casino", "the casino"));
    Arrive(Mail("x@example.com", "casino", "=?"));
    Arrive(Mail("x@example.com", "x", "=? HYPERLINK ", "Content-Type: text/plain; charset=gb2312\r\n"));
    Arrive(Mail("x@example.com", "x", "zz=?zz HYPERLINK "));
    Arrive(Mail("x@example.com", "x", "zz I think that the money is on the way to you zz HYPERLINK "));
    Arrive(Mail("x@example.com", "x", "zz HYPERLINK \"x\" RATE=200"));
    std::vector<std::string> reasons;
    for (const auto& outcome : outcomes) reasons.push_back(outcome.reason);
    ASSERT_EQ(reasons.size(), 6u);
    EXPECT_EQ(reasons[0], "Banned Sender>");
    EXPECT_EQ(reasons[1], ">Banned Content>");
    EXPECT_EQ(reasons[2], ">Alphabet>");
    EXPECT_EQ(reasons[3], "-Err. format>");
    // "English: " and the first two digits of twice the score.
    ASSERT_EQ(reasons[4].size(), 13u) << reasons[4];
    EXPECT_TRUE(reasons[4].starts_with("English: ") && reasons[4].ends_with("%>")) << reasons[4];
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(reasons[4][9])) && std::isdigit(static_cast<unsigned char>(reasons[4][10])))
        << reasons[4];
    EXPECT_EQ(reasons[5], ">Suspicious>");
    for (const auto& outcome : outcomes) EXPECT_EQ(outcome.rate, 1000);
}

TEST_F(NewMail, KoreanMailIsBlockedWhenKoreanIsTicked) {
    addin.Settings().alphabet_groups = "000000001000";
    const auto korean = Arrive(Mail("x@example.com", "x", "RATE=0", "Content-Type: text/plain; charset=ks_c_5601-1987\r\n"));
    EXPECT_EQ(korean->Location(), QuarantineFolder());
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].reason, ">Alphabet>");
}

TEST_F(NewMail, APlaceholderInASubjectIsShownAsWrittenInTheReport) {
    Arrive(Mail("x@example.com", "$Quar$ and $nbmsgs$", "RATE=99"));
    addin.ProduceInboxReport();
    const std::string page = dir.Read("FLUSH.htm");
    EXPECT_THAT(page, HasSubstr("<B>&#36;Quar&#36; and &#36;nbmsgs&#36;</B>"));
    EXPECT_THAT(page, ::testing::Not(HasSubstr("<B>Inbox/Quarantine")));
}

TEST_F(NewMail, OnlyFriendsAreWelcomeWhenTheUserSaysSo) {
    addin.Settings().only_address_book = true;
    Arrive(Mail("stranger@example.com", "hi", "RATE=0"));
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].reason, ">Not in Address-Book>");
}

TEST_F(NewMail, WithoutACharsetTheCharsetTestsAreSkipped) {
    addin.Settings().block_english = true;
    const auto item = Arrive(Mail("x@example.com", "x", "=? the HYPERLINK and the RATE=10", "Received: x\r\n"));
    EXPECT_TRUE(InInbox(item));
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].decision, ScreeningOutcome::Decision::Engine);
    EXPECT_EQ(outcomes[0].rate, 10);
}

TEST_F(NewMail, TheHundredAndFirstSpamProducesTheReportFirst) {
    for (int i = 1; i <= 100; ++i) Arrive(Mail("x@example.com", "spam " + std::to_string(i), "RATE=99"));
    EXPECT_EQ(Rows().size(), 100u);
    EXPECT_TRUE(platform.Shell().Calls().empty());
    Arrive(Mail("x@example.com", "spam 101", "RATE=99"));
    ASSERT_EQ(platform.Shell().Calls().size(), 1u);
    const std::string page = dir.Read("FLUSH.htm");
    EXPECT_THAT(page, HasSubstr("found 100 unauthorized"));
    EXPECT_THAT(page, HasSubstr("spam 100<"));
    EXPECT_THAT(page, ::testing::Not(HasSubstr("spam 101")));
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_THAT(Rows()[0], HasSubstr("spam 101"));
    EXPECT_EQ(addin.Report().FSpamSinceReport(), 0);
}

TEST_F(NewMail, SubjectsAreCutAtFiftyCharactersAndEscaped) {
    const std::string fifty(50, 's');
    Arrive(Mail("x@example.com", fifty, "RATE=99"));
    Arrive(Mail("x@example.com", fifty + "t", "RATE=99"));
    Arrive(Mail("<b>&co@example.com", "<script>alert(1)</script>", "RATE=99"));
    ASSERT_EQ(Rows().size(), 3u);
    EXPECT_THAT(Rows()[0], HasSubstr("<B>" + fifty + "</B>"));
    EXPECT_THAT(Rows()[1], HasSubstr("<B>" + std::string(47, 's') + "...</B>"));
    EXPECT_THAT(Rows()[2], HasSubstr("<B>&lt;script&gt;alert(1)&lt;/script&gt;</B>"));
    EXPECT_THAT(Rows()[2], HasSubstr("<TD>&lt;b&gt;&amp;co@example.com</TD>"));
}

TEST_F(NewMail, DeletedItemsCanTakeTheSpamInsteadOfTheQuarantine) {
    addin.Settings().move_to_folder = 1;
    const auto spam = Arrive(Mail("x@example.com", "x", "RATE=99"));
    EXPECT_EQ(spam->Location(), outlook.DeletedItems());
    EXPECT_EQ(QuarantineFolder()->Items()->Count(), 0);  // the first start made it; nothing went in
}

TEST_F(NewMail, AFailedMoveStillLeavesTheRowButTheItemStays) {
    outlook.Faults().Refuse("Item.Move");
    const auto spam = Arrive(Mail("x@example.com", "x", "RATE=99"));
    EXPECT_TRUE(InInbox(spam));
    EXPECT_EQ(Rows().size(), 1u);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_FALSE(outcomes[0].moved);
    EXPECT_THAT(platform.DebugOutput().Calls(), ElementsAre(HasSubstr("OnInboxItemAdd: Item.Move: refused")));
}

TEST_F(NewMail, AFailedReadAbandonsTheItemWithoutARow) {
    outlook.Faults().Refuse("Item.MAPIOBJECT");
    const auto item = Arrive(Mail("x@example.com", "x", "RATE=99"));
    EXPECT_TRUE(InInbox(item));
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(addin.Report().FSpamSinceReport(), 0);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].decision, ScreeningOutcome::Decision::Failed);
    outlook.Faults().AllowAll();
    outlook.Faults().Refuse("Folders.Item");  // no quarantine folder to be had
    const auto next = Arrive(Mail("x@example.com", "x", "RATE=99"));
    EXPECT_TRUE(InInbox(next));
    EXPECT_TRUE(Rows().empty());
}

// Sent mail: each recipient's address becomes a friend sender, never a name Outlook shows.
class SentMail : public NewMail {
protected:
    void Send(std::vector<host::sim::RecipientEntry> recipients, std::string display_to = "shown names") {
        outlook.AddMail(outlook.DefaultFolder(host::DefaultFolder::SentMail),
                        {{{tag::DisplayTo, std::move(display_to)}}, std::move(recipients)});
        Pump();
    }
    std::vector<std::string> Friends() { return addin.Lists()->List(ListKind::FriendSenders).Entries(); }
};

TEST_F(SentMail, ARecipientsAddressBecomesAFriendAndItsNameMatchesNoOne) {
    Send({{u"IT", u"helpdesk@corp.example"}}, "IT");
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "helpdesk@corp.example"));
    const auto from_helpdesk = Arrive(Mail("helpdesk@corp.example", "ticket", "RATE=99"));
    const auto from_casino = Arrive(Mail("kitty@casino.example", "win", "RATE=99"));
    EXPECT_TRUE(InInbox(from_helpdesk));
    EXPECT_EQ(from_casino->Location(), QuarantineFolder());
}

TEST_F(SentMail, EveryRecipientCountsLowerCasedAndOnce) {
    using host::RecipientType;
    Send({{u"Ann Lee", u"Ann.Lee@Example.COM", RecipientType::To},
          {u"Bob", u"bob@example.org", RecipientType::Cc},
          {u"Carl", u"carl@example.net", RecipientType::Bcc},
          {u"Ann again", u"ann.lee@example.com", RecipientType::Cc}},
         "Ann Lee; Bob");
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "ann.lee@example.com", "bob@example.org",
                                       "carl@example.net"));
}

TEST_F(SentMail, ARecipientWithoutAUsableAddressAddsNothing) {
    Send({{u"Prize Dept\r\n.com", u""}, {u"Nobody", u""}, {u"Split", u"a@x.example\r\n.com"}, {u"Nul", std::u16string(u"b@x\0c", 5)}},
         "Prize Dept\r\n.com; Nobody");
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--"));
    Send({{u"Prize Dept\r\n.com", u"prize@dept.example"}}, "Prize Dept\r\n.com");  // the name never counts
    Disconnect();
    EXPECT_EQ(dir.Read("OKsenders.tarn"), "--++protected senders++--\r\nprize@dept.example\r\n");
}

// Colleagues inside the organization's Exchange: their SMTP addresses become friends, never
// their directory addresses; one whose store keeps no SMTP address is left out and written down.
TEST_F(SentMail, AnExchangeColleagueBecomesAFriendByTheSmtpAddress) {
    using host::sim::RecipientEntry;
    Send({RecipientEntry::Exchange(u"Maria", u"/o=Northwind/ou=Site/cn=Recipients/cn=maria", u"Maria@Northwind.example"),
          RecipientEntry::Exchange(u"Old account", u"/o=Northwind/ou=Site/cn=Recipients/cn=old", u""),
          {u"Directory only", u"/O=ORG/OU=SITE/CN=RECIPIENTS/CN=BOB"}},
         "Maria");
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--", "maria@northwind.example"));
    EXPECT_THAT(platform.DebugOutput().Calls(),
                ElementsAre(HasSubstr("an Exchange user's SMTP address"), HasSubstr("an Exchange user's SMTP address")));
    // The colleague's mail, with a directory address as sender, is a friend's.
    const auto from_maria = Arrive({{tag::SenderAddressType, "EX"},
                                    {tag::SenderEmailAddress, "/o=Northwind/ou=Site/cn=Recipients/cn=maria"},
                                    {tag::SenderSmtpAddress, "maria@northwind.example"},
                                    {tag::Subject, "budget"},
                                    {tag::Body, "RATE=99"}});
    EXPECT_TRUE(InInbox(from_maria));
}

TEST_F(SentMail, RecipientsThatCannotBeReadAddNothingAndAreWrittenDown) {
    outlook.Faults().Refuse("Recipients.Item");
    Send({{u"Ann", u"ann@example.com"}});
    EXPECT_THAT(Friends(), ElementsAre("--++protected senders++--"));
    EXPECT_THAT(platform.DebugOutput().Calls(), ElementsAre(HasSubstr("OnSentItemAdd: Recipients.Item: refused")));
}

}  // namespace
}  // namespace tarn::addin
