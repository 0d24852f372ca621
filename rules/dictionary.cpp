#include "rules/dictionary.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <string_view>

#include "rules/file_bytes.h"
#include "rules/little_endian.h"

namespace tarn::rules {

namespace {

constexpr std::string_view Magic = "TARNDICT";
// Beyond this many clues the closed-form chi-square sum would lose precision.
constexpr std::uint32_t MaxClues = 300;
// Far beyond any dictionary (one of 200,000 tokens takes 3 MB); read whole on 32-bit systems too.
constexpr std::uintmax_t MaxFileSize = std::uintmax_t{256} << 20;

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
    PutLittleEndian(out, 8, DictionaryFormatVersion, 4);
    PutLittleEndian(out, 12, DictionaryHeaderSize, 4);
    PutLittleEndian(out, 16, dictionary.tokens.size(), 4);
    PutLittleEndian(out, 20, dictionary.ham_messages, 4);
    PutLittleEndian(out, 24, dictionary.spam_messages, 4);
    PutLittleEndian(out, 28, p.max_clues, 4);
    std::size_t at = 32;
    for (const double value :
         {p.unknown_strength, p.unknown_probability, p.min_strength, p.ham_cutoff, p.spam_cutoff}) {
        PutLittleEndian(out, at, std::bit_cast<std::uint64_t>(value), 8);
        at += 8;
    }
    at = DictionaryHeaderSize;
    for (const TokenCounts& token : dictionary.tokens) {
        PutLittleEndian(out, at, token.hash, 8);
        PutLittleEndian(out, at + 8, token.ham, 4);
        PutLittleEndian(out, at + 12, token.spam, 4);
        at += DictionaryRecordSize;
    }
    PutLittleEndian(out, DictionaryChecksumOffset, DictionaryChecksum(out), 8);
    return out;
}

std::optional<Dictionary> ReadDictionary(std::span<const unsigned char> bytes) {
    if (bytes.size() < DictionaryHeaderSize) return std::nullopt;
    if (std::memcmp(bytes.data(), Magic.data(), Magic.size()) != 0) return std::nullopt;
    if (GetLittleEndian(bytes, 8, 4) != DictionaryFormatVersion || GetLittleEndian(bytes, 12, 4) != DictionaryHeaderSize) return std::nullopt;
    const std::uint64_t count = GetLittleEndian(bytes, 16, 4);
    if (bytes.size() != DictionaryHeaderSize + count * DictionaryRecordSize) return std::nullopt;
    if (GetLittleEndian(bytes, DictionaryChecksumOffset, 8) != DictionaryChecksum(bytes)) return std::nullopt;

    Dictionary dictionary;
    dictionary.ham_messages = static_cast<std::uint32_t>(GetLittleEndian(bytes, 20, 4));
    dictionary.spam_messages = static_cast<std::uint32_t>(GetLittleEndian(bytes, 24, 4));
    ClassifierParameters& p = dictionary.parameters;
    p.max_clues = static_cast<std::uint32_t>(GetLittleEndian(bytes, 28, 4));
    std::size_t at = 32;
    for (double* value :
         {&p.unknown_strength, &p.unknown_probability, &p.min_strength, &p.ham_cutoff, &p.spam_cutoff}) {
        *value = std::bit_cast<double>(GetLittleEndian(bytes, at, 8));
        at += 8;
    }
    dictionary.tokens.resize(static_cast<std::size_t>(count));
    at = DictionaryHeaderSize;
    for (TokenCounts& token : dictionary.tokens) {
        token.hash = GetLittleEndian(bytes, at, 8);
        token.ham = static_cast<std::uint32_t>(GetLittleEndian(bytes, at + 8, 4));
        token.spam = static_cast<std::uint32_t>(GetLittleEndian(bytes, at + 12, 4));
        at += DictionaryRecordSize;
    }
    if (!IsUsable(dictionary)) return std::nullopt;
    return dictionary;
}

std::optional<Dictionary> LoadDictionaryFile(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file, DictionaryHeaderSize, MaxFileSize);
    if (!bytes) return std::nullopt;
    return ReadDictionary(*bytes);
}

}  // namespace tarn::rules
