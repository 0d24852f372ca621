// The lessons' key map: what it holds after any mix of insertions and removals, including
// keys that share a home slot, that wrap around the end of the array, and the key 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <unordered_map>

#include "rules/key_map.h"

namespace tarn::rules {
namespace {

using Map = KeyMap<std::uint32_t>;

// Every key of the reference is found with its value, and the map holds nothing else.
void ExpectSame(const Map& map, const std::unordered_map<std::uint64_t, std::uint32_t>& reference) {
    ASSERT_EQ(map.size(), reference.size());
    for (const auto& [key, value] : reference) {
        const std::uint32_t* found = map.find(key);
        ASSERT_NE(found, nullptr) << key;
        EXPECT_EQ(*found, value) << key;
    }
    std::size_t visited = 0;
    map.ForEach([&](std::uint64_t key, std::uint32_t value) {
        ++visited;
        const auto expected = reference.find(key);
        ASSERT_NE(expected, reference.end()) << key;
        EXPECT_EQ(value, expected->second);
    });
    EXPECT_EQ(visited, reference.size());
}

TEST(KeyMap, AgreesWithAStandardMapOverRandomInsertionsAndRemovals) {
    // Keys from a small range of low bits, so that many share a home slot and runs wrap around
    // the end of the array; the high bits tell them apart.
    std::mt19937_64 random(20261210);
    Map map;
    std::unordered_map<std::uint64_t, std::uint32_t> reference;
    for (int step = 0; step < 20000; ++step) {
        const std::uint64_t key = (random() % 64) << 40 | (random() % 40);
        if (random() % 3 == 0) {
            map.erase(key);
            reference.erase(key);
        } else {
            ++map[key];
            ++reference[key];
        }
        if (step % 1000 == 0) ExpectSame(map, reference);
    }
    ExpectSame(map, reference);
    for (const auto& [key, value] : std::unordered_map(reference)) {
        map.erase(key);
        reference.erase(key);
        ASSERT_EQ(map.find(key), nullptr);
    }
    EXPECT_TRUE(map.empty());
}

TEST(KeyMap, KeepsTheKeyZeroBesideTheArrayAndAMissingKeyIsNeitherFoundNorMade) {
    Map map;
    EXPECT_EQ(map.find(0), nullptr);
    EXPECT_EQ(map.find(12345), nullptr) << "an empty map has no array to look in";
    map.erase(12345);
    map[0] = 7;
    map[16] = 3;  // home slot 0 of the first array
    EXPECT_EQ(map.size(), 2u);
    ASSERT_NE(map.find(0), nullptr);
    EXPECT_EQ(*map.find(0), 7u);
    EXPECT_EQ(map.find(32), nullptr);
    map.erase(0);
    map.erase(0);
    EXPECT_EQ(map.size(), 1u);
    EXPECT_EQ(map.find(0), nullptr);
    EXPECT_EQ(*map.find(16), 3u);
}

TEST(KeyMap, GrowsPastItsReservationAndKeepsEveryKey) {
    Map map;
    map.reserve(4);
    std::unordered_map<std::uint64_t, std::uint32_t> reference;
    for (std::uint32_t n = 1; n <= 5000; ++n) {
        const std::uint64_t key = std::uint64_t{n} * 0x9E3779B97F4A7C15ull;
        map[key] = n;
        reference[key] = n;
    }
    ExpectSame(map, reference);
}

}  // namespace
}  // namespace tarn::rules
