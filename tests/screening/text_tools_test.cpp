#include <gtest/gtest.h>

#include "screening/text_tools.h"

namespace tarn::screening {
namespace {

TEST(FirstMatch, GivesTheWholeFirstMatchOrNothing) {
    EXPECT_EQ(FirstMatch("one two three", R"(t\w+)"), "two");
    EXPECT_EQ(FirstMatch("one", R"(\d)"), "");
}

TEST(ExtractAddresses, ListsEveryAddressLowerCasedInTextOrder) {
    EXPECT_EQ(ExtractAddresses("Ann <Ann.Lee@Example.COM>, bob@example.org"), "ann.lee@example.com\r\nbob@example.org");
    EXPECT_EQ(ExtractAddresses("x@example.com and x@example.com"), "x@example.com\r\nx@example.com");
}

TEST(ExtractAddresses, AnAddressStartsAfterPunctuationBeforeTheAtSign) {
    EXPECT_EQ(ExtractAddresses("john+lists@example.com"), "lists@example.com");
    EXPECT_EQ(ExtractAddresses("a_b-c.d@sub-1.example.co.uk"), "a_b-c.d@sub-1.example.co.uk");
}

TEST(ExtractAddresses, FallsBackToQuotedNamesThenToTheTextItself) {
    EXPECT_EQ(ExtractAddresses("'Ann Lee'; 'Bob'"), "ann lee\r\nbob");
    EXPECT_EQ(ExtractAddresses("Ann Lee; Bob Smith"), "Ann Lee; Bob Smith");
    EXPECT_EQ(ExtractAddresses("/O=ORG/OU=EXCHANGE/CN=RECIPIENTS/CN=ALEE"), "/O=ORG/OU=EXCHANGE/CN=RECIPIENTS/CN=ALEE");
    EXPECT_EQ(ExtractAddresses(""), "");
}

TEST(ExtractAddresses, SurvivesArbitraryBytes) {
    static constexpr char Bytes[] = "\x00\xff'@'\x80@@.\r\n'";
    const std::string noise(Bytes, sizeof Bytes - 1);
    EXPECT_EQ(ExtractAddresses(noise), noise);
}

TEST(UniqueSortedLines, SortsDropsEmptyLinesAndKeepsTheFirstOfEachCaseGroup) {
    EXPECT_EQ(UniqueSortedLines("bob@x.org\r\nAnn@x.org\n\nann@X.org\rcarl@x.org"),
              "Ann@x.org\r\nbob@x.org\r\ncarl@x.org\r\n");
    EXPECT_EQ(UniqueSortedLines(""), "");
    EXPECT_EQ(UniqueSortedLines("\r\n\r\n"), "");
}

TEST(LoadResourceLines, ReadsTheBuiltInResourcesLineByLine) {
    const auto qng = LoadResourceLines("QNG");
    ASSERT_EQ(qng.size(), 57u);
    EXPECT_EQ(qng.front(), R"(\where)");
    EXPECT_EQ(qng.back(), R"(\w'm\s)");
    const auto headers = LoadResourceLines("HTMLHEADERS");
    ASSERT_EQ(headers.size(), 12u);
    EXPECT_EQ(headers.back(), "</STYLE>");
    EXPECT_EQ(LoadResourceLines("SUBJECTINBOX").front(), "<H3>IN-box Report for $date$</H3><BR>");
    EXPECT_EQ(LoadResourceLines("SUBJECTFOLDER").front(), "<H3>Report for $date$, Folder: $Folder$</H3><BR>");
}

TEST(LoadResourceLines, AMissingResourceFails) {
    EXPECT_THROW(LoadResourceLines("NO-SUCH-RESOURCE"), std::runtime_error);
}

}  // namespace
}  // namespace tarn::screening
