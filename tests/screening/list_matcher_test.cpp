// The matcher against the plain rule it stands for: the first entry, in list order, that
// occurs in the text after both are lower-cased by the ASCII rule; empty entries never match.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "screening/list_matcher.h"

namespace tarn::screening {
namespace {

std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& ch : lowered) {
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    }
    return lowered;
}

bool PlainRule(const store::SortedTextList& list, std::string_view text) {
    const std::string haystack = AsciiLowered(text);
    return std::any_of(list.Entries().begin(), list.Entries().end(), [&](const std::string& entry) {
        return !entry.empty() && haystack.find(AsciiLowered(entry)) != std::string::npos;
    });
}

store::SortedTextList ListOf(std::vector<std::string> entries) {
    store::SortedTextList list;
    list.Assign(std::move(entries));
    return list;
}

TEST(ListMatcher, FollowsTheListRuleOnTheUsualShapes) {
    ListMatcher matcher;
    const auto senders = ListOf({"example.org", "Spam@Cheap.example", "", "--++BANNED SENDERS++--"});
    EXPECT_TRUE(matcher.AnyEntryOccursIn(senders, "ann@lists.EXAMPLE.org"));
    EXPECT_TRUE(matcher.AnyEntryOccursIn(senders, "SPAM@cheap.EXAMPLE"));
    EXPECT_FALSE(matcher.AnyEntryOccursIn(senders, "spam@cheap.exampl"));
    EXPECT_FALSE(matcher.AnyEntryOccursIn(senders, ""));
    EXPECT_FALSE(matcher.AnyEntryOccursIn(ListOf({""}), "anything"));
    EXPECT_FALSE(matcher.AnyEntryOccursIn(ListOf({}), "anything"));
}

TEST(ListMatcher, ShortEntriesAndEntriesAtTheEndsOfTheText) {
    ListMatcher matcher;
    for (const char* entry : {"x", "Xy", "xyZ", "xyzw", "xyzwv"}) {
        const auto list = ListOf({entry});
        const std::string lowered = AsciiLowered(entry);
        EXPECT_TRUE(matcher.AnyEntryOccursIn(list, lowered)) << entry;
        EXPECT_TRUE(matcher.AnyEntryOccursIn(list, "ab" + lowered)) << entry;
        EXPECT_TRUE(matcher.AnyEntryOccursIn(list, lowered + "ab")) << entry;
        EXPECT_FALSE(matcher.AnyEntryOccursIn(list, lowered.substr(0, lowered.size() - 1))) << entry;
    }
}

TEST(ListMatcher, EightBitBytesAreComparedAsTheyAre) {
    ListMatcher matcher;
    const auto list = ListOf({"\xC9t\xE9"});
    EXPECT_TRUE(matcher.AnyEntryOccursIn(list, "x\xC9T\xE9y"));
    EXPECT_FALSE(matcher.AnyEntryOccursIn(list, "\xE9t\xE9"));
}

TEST(ListMatcher, FollowsTheListWhenItChanges) {
    ListMatcher matcher;
    store::SortedTextList list;
    list.Add("casino");
    EXPECT_TRUE(matcher.AnyEntryOccursIn(list, "online casinos"));
    list.Delete(0);
    EXPECT_FALSE(matcher.AnyEntryOccursIn(list, "online casinos"));
    list.Add("line");
    EXPECT_TRUE(matcher.AnyEntryOccursIn(list, "online casinos"));
    const auto other = ListOf({"nothing here"});
    EXPECT_FALSE(matcher.AnyEntryOccursIn(other, "online casinos"));
}

// Random lists and texts over a small alphabet, so that matches are frequent; entries that are
// prefixes and suffixes of one another; 8-bit bytes; lists from a few entries to thousands.
TEST(ListMatcher, GivesExactlyThePlainRuleOnRandomListsAndTexts) {
    std::mt19937 random(20261209);
    const std::string alphabet = "abAB-.@\xE9\xC9 ";
    const auto text_of = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        return text;
    };
    ListMatcher matcher;
    int agreed_true = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> entries;
        const std::size_t count = (round % 4 == 0) ? 2000 : 1 + random() % 20;
        for (std::size_t i = 0; i < count; ++i) {
            std::string entry = text_of(random() % 9);
            if (!entries.empty() && random() % 3 == 0) entry = entries.back() + entry;  // prefix of another
            if (!entries.empty() && random() % 5 == 0) entry = entry + entries.front();  // suffix of another
            entries.push_back(entry.substr(0, 12));
        }
        const auto list = ListOf(entries);
        for (int probe = 0; probe < 10; ++probe) {
            const std::string text = text_of(random() % 40);
            const bool expected = PlainRule(list, text);
            ASSERT_EQ(matcher.AnyEntryOccursIn(list, text), expected) << "round " << round << " text \"" << text << "\"";
            agreed_true += expected ? 1 : 0;
        }
    }
    EXPECT_GT(agreed_true, 400);  // the cases hold matches as well as misses
}

}  // namespace
}  // namespace tarn::screening
