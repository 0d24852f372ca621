#include <gtest/gtest.h>

#include "store/sorted_text_list.h"

namespace tarn::store {
namespace {

TEST(SortedTextList, KeepsEntriesSortedWithoutRegardToCase) {
    SortedTextList list;
    for (const char* entry : {"delta", "Bravo", "alpha", "charlie"}) list.Add(entry);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"alpha", "Bravo", "charlie", "delta"}));
}

TEST(SortedTextList, AnEntryDifferingOnlyInCaseIsNotAddedAndReportsTheExistingPosition) {
    SortedTextList list;
    list.Add("abc");
    list.Add("xyz");
    const auto result = list.Add("ABC");
    EXPECT_FALSE(result.added);
    EXPECT_EQ(result.index, 0u);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list[0], "abc");
}

TEST(SortedTextList, EntriesAreStoredAsGivenAndTheEmptyEntrySortsFirst) {
    SortedTextList list;
    list.Add("abc ");
    list.Add("abc");
    list.Add("");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"", "abc", "abc "}));
}

TEST(SortedTextList, RefusesAnEntryThatWouldComeBackFromTheFileAsOthers) {
    SortedTextList list;
    list.Add("kept");
    for (const std::string& entry : {std::string("Prize Dept\r\n.com"), std::string("a\rb"), std::string("a\nb"),
                                    std::string("nul\0after", 9)}) {
        EXPECT_THROW(list.Add(entry), std::invalid_argument);
    }
    EXPECT_EQ(list.Entries(), std::vector<std::string>{"kept"});
}

TEST(SortedTextList, LooksEntriesUpUnderTheSameComparison) {
    SortedTextList list;
    list.Assign({"spam@example.com", "Friend@Example.org", "--++protected senders++--"});
    ASSERT_TRUE(list.IndexOf("friend@example.ORG").has_value());
    EXPECT_EQ(list[*list.IndexOf("friend@example.ORG")], "Friend@Example.org");
    EXPECT_FALSE(list.IndexOf("friend@example").has_value());
    list.Delete(*list.IndexOf("SPAM@example.com"));
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_THROW(list.Delete(5), std::out_of_range);
}

TEST(SortedTextList, AssignKeepsTheFirstOfTextsEqualButForCase) {
    SortedTextList list;
    list.Add("old");
    list.Assign({"abc", "ABC", "abc ", "", "Zed", "abc"});
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"", "abc", "abc ", "Zed"}));
}

TEST(SortedTextList, AccentedLettersSortBesideTheirBaseLetterAndStayDistinct) {
    SortedTextList list;
    list.Assign({"fin", "\xE9t\xE9", "ete", "\xC9T\xC9", "zoo", "1st", "-x-"});
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"1st", "ete", "\xE9t\xE9", "fin", "-x-", "zoo"}));
}

TEST(SortedTextList, TextPutsCrLfAfterEveryEntry) {
    SortedTextList list;
    EXPECT_EQ(list.Text(), "");
    list.Assign({"b", "a"});
    EXPECT_EQ(list.Text(), "a\r\nb\r\n");
}

}  // namespace
}  // namespace tarn::store
