#include "tools/stream/message_stream.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <tuple>

namespace tarn::tools::stream {

namespace {

std::string_view FileName(std::string_view source) {
    const std::size_t slash = source.find_last_of("/\\");
    return slash == std::string_view::npos ? source : source.substr(slash + 1);
}

// Steele, Lea and Flood's splitmix64: small, fast, and the same on every platform.
std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

}  // namespace

std::vector<std::size_t> StreamOrder(const std::vector<StreamEntry>& entries, std::uint64_t seed) {
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const StreamEntry& x = entries[a];
        const StreamEntry& y = entries[b];
        return std::tuple(FileName(x.source), x.source, x.spam) < std::tuple(FileName(y.source), y.source, y.spam);
    });
    std::uint64_t state = seed;
    for (std::size_t i = order.size(); i > 1; --i) {
        const std::size_t j = static_cast<std::size_t>(SplitMix(state) % i);
        std::swap(order[i - 1], order[j]);
    }
    return order;
}

}  // namespace tarn::tools::stream
