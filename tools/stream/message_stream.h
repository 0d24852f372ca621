#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <string_view>

namespace tarn::tools::stream {

// A message of the stream as its order sees it: where it was read, and its kind.
struct StreamEntry {
    std::string_view source;
    bool spam = false;
};

// The seed of the stream that every online evaluation of the project uses.
inline constexpr std::uint64_t StreamSeed = 20261210;

// The order in which messages arrive in an online evaluation, as indexes into `entries`:
// sorted by file name (the last part of the source; the whole source, then ham before spam,
// where names agree), then shuffled by Fisher and Yates with splitmix64 from the seed, so that
// every program that evaluates on the stream sees the same order of the same mail.
std::vector<std::size_t> StreamOrder(const std::vector<StreamEntry>& entries, std::uint64_t seed = StreamSeed);

}  // namespace tarn::tools::stream
