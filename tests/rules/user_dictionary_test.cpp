// The user's lessons file: what is written reads back the same, and anything else is refused.
#include "rules/user_dictionary.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarn::rules {
namespace {

// Two ham and one spam message taught; keys in slot order (low 32 bits first).
UserDictionary Sample() {
    UserDictionary lessons;
    lessons.ham_messages = 2;
    lessons.spam_messages = 1;
    lessons.tokens = {{0x0000000200000001ull, 2, 0}, {0x0000000100000002ull, 1, 1}, {0xFFFFFFF000000009ull, 0, 1}};
    lessons.texts = {{11, false}, {12, true}, {0xFFFFFFFFFFFFFFFFull, false}};
    return lessons;
}

bool Same(const UserDictionary& a, const UserDictionary& b) {
    if (a.ham_messages != b.ham_messages || a.spam_messages != b.spam_messages || a.tokens.size() != b.tokens.size() ||
        a.texts.size() != b.texts.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.tokens.size(); ++i) {
        if (a.tokens[i].hash != b.tokens[i].hash || a.tokens[i].ham != b.tokens[i].ham ||
            a.tokens[i].spam != b.tokens[i].spam) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.texts.size(); ++i) {
        if (a.texts[i].key != b.texts[i].key || a.texts[i].spam != b.texts[i].spam) return false;
    }
    return true;
}

TEST(UserDictionaryFile, ReadsBackWhatWasWrittenAndTheSameLessonsGiveTheSameBytes) {
    ASSERT_TRUE(IsConsistent(Sample()));
    const auto bytes = WriteUserDictionary(Sample());
    EXPECT_EQ(bytes.size(), UserHeaderSize + 6 * UserRecordSize);
    const auto read = ReadUserDictionary(bytes);
    ASSERT_TRUE(read);
    EXPECT_TRUE(Same(*read, Sample()));
    EXPECT_EQ(WriteUserDictionary(*read), bytes);
    EXPECT_TRUE(ReadUserDictionary(WriteUserDictionary(UserDictionary{})));  // nothing taught yet
}

TEST(UserDictionaryFile, RefusesAFileCutShortAlteredInAnyByteOrOfAnotherKind) {
    const auto bytes = WriteUserDictionary(Sample());
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(ReadUserDictionary(std::vector<unsigned char>(bytes.begin(), bytes.begin() + size))) << size;
    }
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        auto altered = bytes;
        altered[at] ^= 0x10;
        EXPECT_FALSE(ReadUserDictionary(altered)) << "byte " << at;
    }
    auto longer = bytes;
    longer.insert(longer.end(), 16, 0);
    EXPECT_FALSE(ReadUserDictionary(longer));
    std::vector<unsigned char> shipped_kind(bytes);
    for (std::size_t i = 0; i < 8; ++i) shipped_kind[i] = static_cast<unsigned char>("TARNDICT"[i]);
    EXPECT_FALSE(ReadUserDictionary(shipped_kind));
}

TEST(UserDictionaryFile, LessonsThatDoNotHangTogetherAreRefusedEvenWithARightChecksum) {
    auto more_spam_than_texts = Sample();
    more_spam_than_texts.spam_messages = 2;
    auto out_of_order = Sample();
    std::swap(out_of_order.tokens[0], out_of_order.tokens[1]);  // ascending keys, but not in slot order
    auto counted_too_often = Sample();
    counted_too_often.tokens[0].ham = 3;
    auto twice = Sample();
    twice.texts[1].key = twice.texts[0].key;
    auto counted_in_none = Sample();
    counted_in_none.tokens[2].spam = 0;
    for (const UserDictionary& wrong : {more_spam_than_texts, out_of_order, counted_too_often, twice, counted_in_none}) {
        EXPECT_FALSE(IsConsistent(wrong));
        EXPECT_FALSE(ReadUserDictionary(WriteUserDictionary(wrong)));
    }
}

}  // namespace
}  // namespace tarn::rules
