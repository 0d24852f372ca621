#include "rules/token_hash.h"

#include <bit>
#include <cstring>

namespace tarn::rules {

static_assert(std::endian::native == std::endian::little, "dictionary keys are defined on little-endian bytes");

namespace {

constexpr std::uint64_t Golden = 0x9E3779B97F4A7C15ull;

// The final avalanche of MurmurHash3: every input bit reaches every output bit.
std::uint64_t Avalanche(std::uint64_t x) noexcept {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    x ^= x >> 33;
    return x;
}

std::uint64_t Step(std::uint64_t state, std::uint64_t word) noexcept {
    return std::rotl((state ^ word) * Golden, 29);
}

}  // namespace

std::uint64_t TokenHash(std::string_view token) noexcept {
    std::uint64_t state = Golden * (token.size() + 1);
    const char* bytes = token.data();
    std::size_t left = token.size();
    for (; left >= 8; left -= 8, bytes += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes, 8);
        state = Step(state, word);
    }
    if (left > 0) {
        // Assembled in a register: a short copy to memory and back would stall the load.
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < left; ++i) word |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
        state = Step(state, word);
    }
    const std::uint64_t hash = Avalanche(state);
    return hash != 0 ? hash : 1;
}

}  // namespace tarn::rules
