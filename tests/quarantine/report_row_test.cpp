#include <gtest/gtest.h>

#include "quarantine/placeholders.h"
#include "quarantine/report_row.h"

namespace tarn::quarantine {
namespace {

TEST(TruncateWithEllipsis, CutsLongerTextsToTheLimitWithThreeDots) {
    EXPECT_EQ(TruncateWithEllipsis(std::u16string(50, u's'), 50), std::u16string(50, u's'));
    EXPECT_EQ(TruncateWithEllipsis(std::u16string(51, u's'), 50), std::u16string(47, u's') + u"...");
    EXPECT_EQ(TruncateWithEllipsis(u"", 20), u"");
    EXPECT_EQ(TruncateWithEllipsis(u"abcd", 2), u"...");
}

TEST(InboxReportRow, HoldsRecipientsSubjectReasonAndSender) {
    EXPECT_EQ(InboxReportRow("Tom Baker", "Offer", "rated 80>", "x@example.com"),
              "<TR><TD>Tom Baker</TD><TD><B>Offer</B><BR><I>rated 80&gt;</I></TD><TD>x@example.com</TD></TR>");
}

TEST(InboxReportRow, CutsBeforeEscapingSoEntitiesAreNeverBroken) {
    const std::string subject = std::string(46, 'a') + "&&&&&";  // 51 characters
    EXPECT_EQ(InboxReportRow("", subject, "", ""),
              "<TR><TD></TD><TD><B>" + std::string(46, 'a') + "&amp;...</B><BR><I></I></TD><TD></TD></TR>");
}

TEST(InboxReportRow, EscapesEveryTextFromTheMessageAndKeepsItsCodePage) {
    const std::string row = InboxReportRow("\"Q\" <q@x>", "<script>x</script> caf\xE9", "it's", "a&b@example.com");
    EXPECT_NE(row.find("&quot;Q&quot; &lt;q@x&gt;"), std::string::npos) << row;
    EXPECT_NE(row.find("&lt;script&gt;x&lt;/script&gt; caf\xE9"), std::string::npos) << row;
    EXPECT_NE(row.find("it&#39;s"), std::string::npos) << row;
    EXPECT_NE(row.find("a&amp;b@example.com"), std::string::npos) << row;
}

TEST(InboxReportRow, APlaceholderInAMessageStaysAsWritten) {
    std::string row = InboxReportRow("$Quar$", "Win $nbmsgs$ now", "", "$date$@x");
    for (const char* placeholder : {"$Quar$", "$nbmsgs$", "$date$"}) ReplacePlaceholder(row, placeholder, "REPLACED");
    EXPECT_EQ(row, "<TR><TD>&#36;Quar&#36;</TD><TD><B>Win &#36;nbmsgs&#36; now</B><BR><I></I></TD><TD>&#36;date&#36;@x</TD></TR>");
}

TEST(ReplacePlaceholder, ReplacesEveryOccurrenceIgnoringCase) {
    std::string page = "$NbMsgs$ of $nbmsgs$; $nbmsgs";
    ReplacePlaceholder(page, "$nbmsgs$", "12");
    EXPECT_EQ(page, "12 of 12; $nbmsgs");
    ReplacePlaceholder(page, "$Quar$", "x");
    EXPECT_EQ(page, "12 of 12; $nbmsgs");
}

TEST(ReplacePlaceholder, AValueHoldingThePlaceholderIsNotReplacedAgain) {
    std::string page = "$date$";
    ReplacePlaceholder(page, "$date$", "$date$ $date$");
    EXPECT_EQ(page, "$date$ $date$");
}

}  // namespace
}  // namespace tarn::quarantine
