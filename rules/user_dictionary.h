#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rules/dictionary.h"

namespace tarn::rules {

// A text the user taught: the key of the whole text, and the kind it was learnt as.
struct LearntText {
    std::uint64_t key = 0;
    bool spam = false;
};

// What the user taught, as the file "tarnrules.user" beside the shipped dictionary keeps it.
struct UserDictionary {
    std::uint32_t ham_messages = 0;
    std::uint32_t spam_messages = 0;
    std::vector<TokenCounts> tokens;  // in slot order (see UserTokenBefore), each key once
    std::vector<LearntText> texts;    // by ascending key, each key once
};

// The order of the tokens in the file: by the low 32 bits of the key, then the high 32. The
// engine's lookup table places a key by its low bits, so that loading a large file fills the
// table from its first slot to its last instead of all over it.
bool UserTokenBefore(std::uint64_t a, std::uint64_t b) noexcept;

// The file, all numbers little-endian:
//   0  "TARNUSER"           8 bytes
//   8  format version       u32, 1
//  12  header size          u32, 40
//  16  token count          u32
//  20  text count           u32
//  24  ham messages         u32
//  28  spam messages        u32
//  32  checksum             u64: 64-bit FNV-1a over the file's 8-byte little-endian words,
//                           but this one
//  40  the tokens           16 bytes each: key u64, ham count u32, spam count u32
//      the texts            16 bytes each: key u64, kind u32 (0 ham, 1 spam), 0 u32
inline constexpr std::size_t UserHeaderSize = 40;
inline constexpr std::size_t UserRecordSize = 16;
inline constexpr std::size_t UserChecksumOffset = 32;
inline constexpr std::uint32_t UserFormatVersion = 1;

std::uint64_t UserDictionaryChecksum(std::span<const unsigned char> file) noexcept;

// Whether the lessons hang together: keys in order and not 0, as many texts of each kind as
// messages, no token counted in more messages than were taught, none in none.
bool IsConsistent(const UserDictionary& lessons) noexcept;

// The file's bytes; the same lessons always give the same bytes.
std::vector<unsigned char> WriteUserDictionary(const UserDictionary& lessons);

// The lessons of a file's bytes; nothing when they are not a whole, unaltered, consistent
// file of this format.
std::optional<UserDictionary> ReadUserDictionary(std::span<const unsigned char> bytes);

}  // namespace tarn::rules
