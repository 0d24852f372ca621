#pragma once

#include <cstdint>
#include <string_view>

namespace tarn::rules {

// The 64-bit key of a token in the dictionary: a multiply-and-mix hash over the token's bytes,
// read eight at a time (little-endian, as on every target). Two different tokens may share a
// key; in a dictionary of 200,000 tokens that happens to some pair about once in 10^9
// dictionaries, and such a pair would simply share its counts. Never 0, which marks an empty
// slot of the lookup table.
std::uint64_t TokenHash(std::string_view token) noexcept;

}  // namespace tarn::rules
