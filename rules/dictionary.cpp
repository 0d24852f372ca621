#include "rules/dictionary.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

namespace tarn::rules {

namespace {

constexpr std::string_view Magic = "TARNDICT";
// Beyond this many clues the closed-form chi-square sum would lose precision.
constexpr std::uint32_t MaxClues = 300;
// Far beyond any dictionary (one of 200,000 tokens takes 3 MB); read whole on 32-bit systems too.
constexpr std::uintmax_t MaxFileSize = std::uintmax_t{256} << 20;

constexpr std::uint64_t FnvOffset = 0xCBF29CE484222325ull;
constexpr std::uint64_t FnvPrime = 0x100000001B3ull;

std::uint64_t Fnv1a(std::uint64_t hash, std::span<const unsigned char> bytes) noexcept {
    for (const unsigned char byte : bytes) hash = (hash ^ byte) * FnvPrime;
    return hash;
}

void Put(std::vector<unsigned char>& out, std::size_t at, std::uint64_t value, std::size_t bytes) noexcept {
    for (std::size_t i = 0; i < bytes; ++i) out[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t Get(std::span<const unsigned char> in, std::size_t at, std::size_t bytes) noexcept {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) value |= std::uint64_t{in[at + i]} << (8 * i);
    return value;
}

bool InRange(double value, double low, double high) noexcept {
    return std::isfinite(value) && value >= low && value <= high;
}

bool UsableParameters(const ClassifierParameters& p) noexcept {
    return InRange(p.unknown_strength, 1e-6, 1000.0) && InRange(p.unknown_probability, 1e-6, 1.0 - 1e-6) &&
           InRange(p.min_strength, 0.0, 0.49) && p.max_clues >= 1 && p.max_clues <= MaxClues &&
           InRange(p.ham_cutoff, 0.0, 1.0) && InRange(p.spam_cutoff, p.ham_cutoff, 1.0) && p.spam_cutoff > 0.0;
}

}  // namespace

std::uint64_t DictionaryChecksum(std::span<const unsigned char> file) noexcept {
    const std::uint64_t head = Fnv1a(FnvOffset, file.first(DictionaryChecksumOffset));
    return Fnv1a(head, file.subspan(DictionaryHeaderSize));
}

bool IsUsable(const Dictionary& dictionary) noexcept {
    if (dictionary.ham_messages == 0 || dictionary.spam_messages == 0) return false;
    if (!UsableParameters(dictionary.parameters)) return false;
    std::uint64_t previous = 0;
    for (const TokenCounts& token : dictionary.tokens) {
        if (token.hash <= previous) return false;
        if (token.ham > dictionary.ham_messages || token.spam > dictionary.spam_messages) return false;
        if (token.ham == 0 && token.spam == 0) return false;
        previous = token.hash;
    }
    return dictionary.tokens.size() <= 0xFFFFFFFFu;
}

std::vector<unsigned char> WriteDictionary(const Dictionary& dictionary) {
    std::vector<unsigned char> out(DictionaryHeaderSize + dictionary.tokens.size() * DictionaryRecordSize);
    std::memcpy(out.data(), Magic.data(), Magic.size());
    const ClassifierParameters& p = dictionary.parameters;
    Put(out, 8, DictionaryFormatVersion, 4);
    Put(out, 12, DictionaryHeaderSize, 4);
    Put(out, 16, dictionary.tokens.size(), 4);
    Put(out, 20, dictionary.ham_messages, 4);
    Put(out, 24, dictionary.spam_messages, 4);
    Put(out, 28, p.max_clues, 4);
    std::size_t at = 32;
    for (const double value :
         {p.unknown_strength, p.unknown_probability, p.min_strength, p.ham_cutoff, p.spam_cutoff}) {
        Put(out, at, std::bit_cast<std::uint64_t>(value), 8);
        at += 8;
    }
    at = DictionaryHeaderSize;
    for (const TokenCounts& token : dictionary.tokens) {
        Put(out, at, token.hash, 8);
        Put(out, at + 8, token.ham, 4);
        Put(out, at + 12, token.spam, 4);
        at += DictionaryRecordSize;
    }
    Put(out, DictionaryChecksumOffset, DictionaryChecksum(out), 8);
    return out;
}

std::optional<Dictionary> ReadDictionary(std::span<const unsigned char> bytes) {
    if (bytes.size() < DictionaryHeaderSize) return std::nullopt;
    if (std::memcmp(bytes.data(), Magic.data(), Magic.size()) != 0) return std::nullopt;
    if (Get(bytes, 8, 4) != DictionaryFormatVersion || Get(bytes, 12, 4) != DictionaryHeaderSize) return std::nullopt;
    const std::uint64_t count = Get(bytes, 16, 4);
    if (bytes.size() != DictionaryHeaderSize + count * DictionaryRecordSize) return std::nullopt;
    if (Get(bytes, DictionaryChecksumOffset, 8) != DictionaryChecksum(bytes)) return std::nullopt;

    Dictionary dictionary;
    dictionary.ham_messages = static_cast<std::uint32_t>(Get(bytes, 20, 4));
    dictionary.spam_messages = static_cast<std::uint32_t>(Get(bytes, 24, 4));
    ClassifierParameters& p = dictionary.parameters;
    p.max_clues = static_cast<std::uint32_t>(Get(bytes, 28, 4));
    std::size_t at = 32;
    for (double* value :
         {&p.unknown_strength, &p.unknown_probability, &p.min_strength, &p.ham_cutoff, &p.spam_cutoff}) {
        *value = std::bit_cast<double>(Get(bytes, at, 8));
        at += 8;
    }
    dictionary.tokens.resize(static_cast<std::size_t>(count));
    at = DictionaryHeaderSize;
    for (TokenCounts& token : dictionary.tokens) {
        token.hash = Get(bytes, at, 8);
        token.ham = static_cast<std::uint32_t>(Get(bytes, at + 8, 4));
        token.spam = static_cast<std::uint32_t>(Get(bytes, at + 12, 4));
        at += DictionaryRecordSize;
    }
    if (!IsUsable(dictionary)) return std::nullopt;
    return dictionary;
}

std::optional<Dictionary> LoadDictionaryFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size < DictionaryHeaderSize || size > MaxFileSize) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
    return ReadDictionary(bytes);
}

}  // namespace tarn::rules
