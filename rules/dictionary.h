#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace tarn::rules {

// How the engine turns token counts into a rating. Chosen by cross-validation when the
// dictionary is trained, and kept in it.
struct ClassifierParameters {
    // Robinson's f(w): a token seen n times has the probability (s*x + n*p) / (s + n), where p
    // is its share of spam among the messages holding it: s is unknown_strength and x
    // unknown_probability, the probability of a token never seen.
    double unknown_strength = 0.45;
    double unknown_probability = 0.5;
    // A token whose probability lies closer than this to 0.5 is no clue.
    double min_strength = 0.1;
    // At most this many clues, the strongest, are combined.
    std::uint32_t max_clues = 200;
    // The combined score: below ham_cutoff the message is ham (rates 0 to 29), from
    // spam_cutoff up it is spam (rates 50 to 255), in between unsure (rates 30 to 49).
    double ham_cutoff = 0.2;
    double spam_cutoff = 0.7;
};

// In how many ham and spam messages of the training a token was seen, by its key.
struct TokenCounts {
    std::uint64_t hash = 0;
    std::uint32_t ham = 0;
    std::uint32_t spam = 0;
};

struct Dictionary {
    std::uint32_t ham_messages = 0;
    std::uint32_t spam_messages = 0;
    ClassifierParameters parameters;
    std::vector<TokenCounts> tokens;  // by ascending key, each key once
};

// The file "tarnrules.dict", all numbers little-endian:
//   0  "TARNDICT"           8 bytes
//   8  format version       u32, 1
//  12  header size          u32, 80
//  16  token count          u32
//  20  ham messages         u32
//  24  spam messages        u32
//  28  max clues            u32
//  32  unknown strength, unknown probability, min strength, ham cutoff, spam cutoff:
//                           5 IEEE-754 doubles
//  72  checksum             u64: 64-bit FNV-1a of every byte of the file but these eight
//  80  the tokens           16 bytes each: key u64, ham count u32, spam count u32
inline constexpr std::size_t DictionaryHeaderSize = 80;
inline constexpr std::size_t DictionaryRecordSize = 16;
inline constexpr std::size_t DictionaryChecksumOffset = 72;
inline constexpr std::uint32_t DictionaryFormatVersion = 1;

// The checksum of a dictionary file's bytes (at least DictionaryHeaderSize of them), as its
// header keeps it.
std::uint64_t DictionaryChecksum(std::span<const unsigned char> file) noexcept;

// Whether the dictionary holds what the engine can use: messages of both kinds, parameters in
// range, keys ascending and not 0, counts within the message counts.
bool IsUsable(const Dictionary& dictionary) noexcept;

// The file's bytes; the same dictionary always gives the same bytes.
std::vector<unsigned char> WriteDictionary(const Dictionary& dictionary);

// The dictionary of a file's bytes; nothing when they are not a whole, unaltered, usable
// dictionary of this format.
std::optional<Dictionary> ReadDictionary(std::span<const unsigned char> bytes);

// The dictionary of a file, read in one piece; nothing when the file cannot be read or
// ReadDictionary refuses it.
std::optional<Dictionary> LoadDictionaryFile(const std::filesystem::path& file);

}  // namespace tarn::rules
