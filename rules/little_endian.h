#pragma once

#include <bit>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <span>
#include <vector>

namespace tarn::rules {

// The fields of the engine's files: unsigned numbers of 1 to 8 bytes, little-endian whatever
// the processor, and the 64-bit FNV-1a checksum.
inline void PutLittleEndian(std::vector<unsigned char>& out, std::size_t at, std::uint64_t value,
                            std::size_t bytes) noexcept {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out.data() + at, &value, bytes);  // the low bytes first already
    } else {
        for (std::size_t i = 0; i < bytes; ++i) out[at + i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

inline std::uint64_t GetLittleEndian(std::span<const unsigned char> in, std::size_t at, std::size_t bytes) noexcept {
    std::uint64_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, in.data() + at, bytes);
    } else {
        for (std::size_t i = 0; i < bytes; ++i) value |= std::uint64_t{in[at + i]} << (8 * i);
    }
    return value;
}

inline constexpr std::uint64_t FnvOffset = 0xCBF29CE484222325ull;
inline constexpr std::uint64_t FnvPrime = 0x100000001B3ull;

// FNV-1a over bytes.
inline std::uint64_t Fnv1a(std::uint64_t hash, std::span<const unsigned char> bytes) noexcept {
    for (const unsigned char byte : bytes) hash = (hash ^ byte) * FnvPrime;
    return hash;
}

// FNV-1a over the little-endian 8-byte words of a span whose size is a multiple of 8: eight
// times fewer steps, for files of many megabytes.
inline std::uint64_t Fnv1aWords(std::uint64_t hash, std::span<const unsigned char> bytes) noexcept {
    for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) hash = (hash ^ GetLittleEndian(bytes, at, 8)) * FnvPrime;
    return hash;
}

}  // namespace tarn::rules
