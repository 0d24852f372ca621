// The dictionary file: what is written reads back the same, and anything else is refused whole.
#include "rules/dictionary.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <limits>

#include "rules/token_hash.h"
#include "tests/support/temp_dir.h"

namespace tarn::rules {
namespace {

Dictionary Sample() {
    Dictionary dictionary;
    dictionary.ham_messages = 40;
    dictionary.spam_messages = 10;
    dictionary.parameters.max_clues = 120;
    dictionary.parameters.spam_cutoff = 0.875;
    dictionary.tokens = {{3, 40, 0}, {17, 1, 9}, {0xFFFFFFFFFFFFFFF0ull, 0, 10}};
    return dictionary;
}

bool SameDictionary(const Dictionary& a, const Dictionary& b) {
    const auto& p = a.parameters;
    const auto& q = b.parameters;
    if (a.ham_messages != b.ham_messages || a.spam_messages != b.spam_messages || a.tokens.size() != b.tokens.size()) {
        return false;
    }
    if (p.unknown_strength != q.unknown_strength || p.unknown_probability != q.unknown_probability ||
        p.min_strength != q.min_strength || p.max_clues != q.max_clues || p.ham_cutoff != q.ham_cutoff ||
        p.spam_cutoff != q.spam_cutoff) {
        return false;
    }
    for (std::size_t i = 0; i < a.tokens.size(); ++i) {
        const auto& x = a.tokens[i];
        const auto& y = b.tokens[i];
        if (x.hash != y.hash || x.ham != y.ham || x.spam != y.spam) return false;
    }
    return true;
}

TEST(DictionaryFile, WhatIsWrittenReadsBackTheSameAndTheSameDictionaryGivesTheSameBytes) {
    const auto bytes = WriteDictionary(Sample());
    ASSERT_EQ(bytes.size(), DictionaryHeaderSize + 3 * DictionaryRecordSize);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "TARNDICT");
    const auto read = ReadDictionary(bytes);
    ASSERT_TRUE(read);
    EXPECT_TRUE(SameDictionary(*read, Sample()));
    EXPECT_EQ(WriteDictionary(*read), bytes);
}

TEST(DictionaryFile, ADictionaryWithoutTokensIsUsable) {
    Dictionary empty = Sample();
    empty.tokens.clear();
    EXPECT_TRUE(ReadDictionary(WriteDictionary(empty)));
}

TEST(DictionaryFile, ACutOrLengthenedFileIsRefused) {
    auto bytes = WriteDictionary(Sample());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_FALSE(ReadDictionary(std::span(bytes).first(length))) << length;
    }
    bytes.push_back(0);
    EXPECT_FALSE(ReadDictionary(bytes));
}

TEST(DictionaryFile, AnyChangedByteIsRefused) {
    const auto bytes = WriteDictionary(Sample());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (const unsigned char flip : {0x01, 0x80}) {
            auto altered = bytes;
            altered[at] ^= flip;
            EXPECT_FALSE(ReadDictionary(altered)) << "byte " << at << " xor " << int{flip};
        }
    }
}

// Contents the engine cannot use are refused even when the file is whole and its checksum right.
TEST(DictionaryFile, UnusableContentsAreRefused) {
    const auto refused = [](auto change) {
        Dictionary dictionary = Sample();
        change(dictionary);
        EXPECT_FALSE(IsUsable(dictionary));
        return !ReadDictionary(WriteDictionary(dictionary)).has_value();
    };
    EXPECT_TRUE(refused([](Dictionary& d) { std::swap(d.tokens[0], d.tokens[1]); }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.tokens[1].hash = d.tokens[0].hash; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.tokens[0].hash = 0; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.tokens[0].ham = 41; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.tokens[1].spam = 11; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.tokens[1] = {17, 0, 0}; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.spam_messages = 0; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.ham_messages = 0; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.max_clues = 0; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.max_clues = 301; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.unknown_strength = 0.0; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.unknown_probability = 1.0; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.min_strength = 0.5; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.ham_cutoff = 0.95; }));
    EXPECT_TRUE(refused([](Dictionary& d) { d.parameters.spam_cutoff = std::numeric_limits<double>::quiet_NaN(); }));
}

TEST(DictionaryFile, IsLoadedFromAFileAndNothingComesOfAMissingOrEmptyOne) {
    test_support::TempDir dir;
    const auto bytes = WriteDictionary(Sample());
    dir.Write("good.dict", std::string(bytes.begin(), bytes.end()));
    dir.Write("empty.dict", "");
    const auto loaded = LoadDictionaryFile(dir / "good.dict");
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(SameDictionary(*loaded, Sample()));
    EXPECT_FALSE(LoadDictionaryFile(dir / "empty.dict"));
    EXPECT_FALSE(LoadDictionaryFile(dir / "missing.dict"));
    EXPECT_FALSE(LoadDictionaryFile(dir.Path()));
}

// Keys are part of the file format: they must not change with the platform or the build.
TEST(TokenHash, IsFixedNeverZeroAndTellsTokensApart) {
    EXPECT_EQ(TokenHash("viagra"), TokenHash(std::string("viagra")));
    EXPECT_NE(TokenHash("viagra"), TokenHash("viagrb"));
    EXPECT_NE(TokenHash("subject:free"), TokenHash(std::string_view("subject:free\0", 13)));
    EXPECT_NE(TokenHash(""), 0u);
    EXPECT_NE(TokenHash("abcdefgh"), TokenHash("abcdefghi"));
    EXPECT_EQ(TokenHash("url:example.com"), 0x732B610610776ECAull);
}

}  // namespace
}  // namespace tarn::rules
