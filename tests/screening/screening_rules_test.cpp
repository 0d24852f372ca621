#include <gtest/gtest.h>

#include "host/host_error.h"
#include "host/sim/sim_outlook.h"
#include "screening/screening_rules.h"
#include "tests/support/recorded_diagnostics.h"
#include "tests/support/temp_dir.h"

namespace tarn::screening {
namespace {

namespace tag = platform::prop_tag;
using store::ListKind;

class ScreeningRulesTest : public ::testing::Test {
protected:
    test_support::TempDir dir;
    test_support::RecordedDiagnostics diagnostics;
    std::unique_ptr<store::UserLists> lists = store::UserLists::CreateLists(dir.Path(), diagnostics);
    host::sim::SimOutlook outlook;
    host::sim::SimMapiLibrary mapi;
    MailItemView view{mapi};
    ListMatchers matchers;
    ScreeningRules rules{*lists, matchers, view};

    void Add(ListKind kind, std::initializer_list<const char*> entries) {
        for (const char* entry : entries) lists->List(kind).Add(entry);
    }
    std::shared_ptr<host::sim::SimItem> Mail(std::string sender, std::string display_to = {}, std::string body = {}) {
        return outlook.AddItem(outlook.Inbox(),
                               {{tag::SenderEmailAddress, std::move(sender)}, {tag::DisplayTo, std::move(display_to)},
                                {tag::Body, std::move(body)}});
    }
};

TEST_F(ScreeningRulesTest, AFriendEntryMatchesAnywhereInTheSenderAddressIgnoringAsciiCase) {
    Add(ListKind::FriendSenders, {"Example.ORG"});
    EXPECT_TRUE(rules.IsFriendSender(*Mail("ann@lists.example.org")));
    EXPECT_FALSE(rules.IsFriendSender(*Mail("ann@example.com")));
}

TEST_F(ScreeningRulesTest, AccentedLettersAreComparedByteForByte) {
    Add(ListKind::BannedSenders, {"\xC9t\xE9"});  // "Été"
    EXPECT_FALSE(rules.IsBannedSender(*Mail("\xE9t\xE9@example.com")));
    EXPECT_TRUE(rules.IsBannedSender(*Mail("x\xC9T\xE9@example.com")));
}

TEST_F(ScreeningRulesTest, AnEmptyEntryNeverMatches) {
    Add(ListKind::BannedSenders, {""});
    EXPECT_FALSE(rules.IsBannedSender(*Mail("anyone@example.com")));
    EXPECT_FALSE(rules.IsBannedSender(*Mail("")));
}

TEST_F(ScreeningRulesTest, AFriendListWithAnyEntryAlsoTriesTheMailtoLink) {
    // Only the marker is in the list, and it matches no address.
    EXPECT_TRUE(rules.IsFriendSender(*Mail("x@example.com", "Tom Baker", "reply to mailto:Tom Baker please")));
    EXPECT_FALSE(rules.IsFriendSender(*Mail("x@example.com", "Tom Baker", "reply to mailto:tom baker")));  // exact
    EXPECT_FALSE(rules.IsFriendSender(*Mail("x@example.com", "", "mailto:")));
}

TEST_F(ScreeningRulesTest, AnEmptyFriendListIsFalseWithoutTheMailtoTest) {
    lists->List(ListKind::FriendSenders).Clear();
    EXPECT_FALSE(rules.IsFriendSender(*Mail("x@example.com", "Tom", "mailto:Tom")));
}

TEST_F(ScreeningRulesTest, WordsAreFoundInTheScreeningTextOrElseTheSubject) {
    Add(ListKind::ProtectedWords, {"Invoice"});
    Add(ListKind::ForbiddenWords, {"casino"});
    EXPECT_TRUE(rules.HasProtectedWord("", "Received: x\r\n\r\nYour INVOICE 42"));
    EXPECT_TRUE(rules.HasProtectedWord("invoices for May", "nothing"));
    EXPECT_FALSE(rules.HasProtectedWord("in voice", "nothing"));
    EXPECT_TRUE(rules.HasForbiddenWord("", "onlinecasinos"));  // inside a longer word
    EXPECT_FALSE(rules.HasForbiddenWord("cas ino", ""));
}

TEST_F(ScreeningRulesTest, OutsideTheAddressBookOnlyWhenTheUserAsksAndTheSenderIsNoFriend) {
    Add(ListKind::FriendSenders, {"friend@example.com"});
    EXPECT_FALSE(rules.IsOutsideAddressBook(*Mail("stranger@example.com"), false));
    EXPECT_TRUE(rules.IsOutsideAddressBook(*Mail("stranger@example.com"), true));
    EXPECT_FALSE(rules.IsOutsideAddressBook(*Mail("friend@example.com"), true));
}

TEST_F(ScreeningRulesTest, AnEncodedWordCountsOnlyInThePlainBody) {
    EXPECT_TRUE(rules.HasEncodedWord(*Mail("a@example.com", "", "caf=?iso-8859-1?Q?=E9?=")));
    const auto html_only = outlook.AddItem(outlook.Inbox(), {{tag::BodyHtml, "=?utf-8?B?x?="}});
    EXPECT_FALSE(rules.HasEncodedWord(*html_only));
}

TEST_F(ScreeningRulesTest, AHyperlinkFieldIsCapitalsAndOneBlank) {
    EXPECT_TRUE(HasHyperlinkField("text HYPERLINK \"http://example.com\" more"));
    EXPECT_FALSE(HasHyperlinkField("hyperlink \"x\""));
    EXPECT_FALSE(HasHyperlinkField("HYPERLINK\"x\""));
}

TEST_F(ScreeningRulesTest, AHostFailureReachesTheCaller) {
    const auto item = Mail("a@example.com");
    item->Faults().Refuse("MAPIOBJECT");
    EXPECT_THROW(rules.IsBannedSender(*item), host::HostError);
}

}  // namespace
}  // namespace tarn::screening
