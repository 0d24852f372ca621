// Address books as they are exported: vCard 2.1, 3.0 and 4.0.
#include <gmock/gmock.h>

#include "tools/import/vcard_reader.h"

namespace tarn::tools::import {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(VCards, EveryAddressOfEveryCardInOrderWhateverTheVersionWrites) {
    const auto cards = ParseVCards(
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Ann Smith\r\nEMAIL;PREF;INTERNET:ann@example.com\r\n"
        "EMAIL;INTERNET:ann.smith@work.example\r\nEND:VCARD\r\n"
        "begin:vcard\nversion:4.0\nfn:Bob\nitem1.EMAIL;type=INTERNET:bob@\n example.net\nemail:mailto:b@example.org\n"
        "end:vcard\n");
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].name, "Ann Smith");
    EXPECT_THAT(cards[0].emails, ElementsAre("ann@example.com", "ann.smith@work.example"));
    EXPECT_EQ(cards[1].name, "Bob");
    // A folded line is unfolded; a group prefix and a mailto: URI are not part of the address.
    EXPECT_THAT(cards[1].emails, ElementsAre("bob@example.net", "b@example.org"));
}

TEST(VCards, ACardWithoutAnAddressIsStillACard) {
    const auto cards = ParseVCards("BEGIN:VCARD\nFN:Nobody\nTEL:123\nEMAIL:\nEND:VCARD\n");
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_TRUE(cards[0].emails.empty());
}

TEST(VCards, TextThatIsNoVCardIsRefusedWithItsLine) {
    const auto error_of = [](std::string_view text) {
        try {
            ParseVCards(text);
        } catch (const VCardError& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(error_of("From: someone\n"), "line 1: this is not part of a vCard (no BEGIN:VCARD before it)");
    EXPECT_EQ(error_of("BEGIN:VCARD\nFN:A\n"), "line 1: this vCard never ends (no END:VCARD)");
    EXPECT_EQ(error_of("BEGIN:VCARD\nEND:VCARD\nEND:VCARD\n"), "line 3: END:VCARD without a BEGIN:VCARD");
    EXPECT_THAT(error_of("BEGIN:VCARD\nBEGIN:VCARD\n"), HasSubstr("line 2: a vCard begins inside"));
    EXPECT_EQ(error_of(""), "accepted");
}

}  // namespace
}  // namespace tarn::tools::import
