#include "rules/user_dictionary.h"

#include <cstring>
#include <string_view>

#include "rules/little_endian.h"

namespace tarn::rules {

namespace {

constexpr std::string_view Magic = "TARNUSER";

std::uint64_t SlotOrder(std::uint64_t key) noexcept { return (key << 32) | (key >> 32); }

}  // namespace

bool UserTokenBefore(std::uint64_t a, std::uint64_t b) noexcept { return SlotOrder(a) < SlotOrder(b); }

std::uint64_t UserDictionaryChecksum(std::span<const unsigned char> file) noexcept {
    const std::uint64_t head = Fnv1aWords(FnvOffset, file.first(UserChecksumOffset));
    return Fnv1aWords(head, file.subspan(UserHeaderSize));
}

bool IsConsistent(const UserDictionary& lessons) noexcept {
    std::uint32_t ham_texts = 0;
    std::uint32_t spam_texts = 0;
    std::uint64_t previous = 0;
    for (const LearntText& text : lessons.texts) {
        if (text.key <= previous) return false;
        ++(text.spam ? spam_texts : ham_texts);
        previous = text.key;
    }
    if (ham_texts != lessons.ham_messages || spam_texts != lessons.spam_messages) return false;
    for (std::size_t i = 0; i < lessons.tokens.size(); ++i) {
        const TokenCounts& token = lessons.tokens[i];
        if (token.hash == 0 || (i > 0 && !UserTokenBefore(lessons.tokens[i - 1].hash, token.hash))) return false;
        if (token.ham > lessons.ham_messages || token.spam > lessons.spam_messages) return false;
        if (token.ham == 0 && token.spam == 0) return false;
    }
    return lessons.tokens.size() <= 0xFFFFFFFFu && lessons.texts.size() <= 0xFFFFFFFFu;
}

std::vector<unsigned char> WriteUserDictionary(const UserDictionary& lessons) {
    std::vector<unsigned char> out(UserHeaderSize + (lessons.tokens.size() + lessons.texts.size()) * UserRecordSize);
    std::memcpy(out.data(), Magic.data(), Magic.size());
    PutLittleEndian(out, 8, UserFormatVersion, 4);
    PutLittleEndian(out, 12, UserHeaderSize, 4);
    PutLittleEndian(out, 16, lessons.tokens.size(), 4);
    PutLittleEndian(out, 20, lessons.texts.size(), 4);
    PutLittleEndian(out, 24, lessons.ham_messages, 4);
    PutLittleEndian(out, 28, lessons.spam_messages, 4);
    std::size_t at = UserHeaderSize;
    for (const TokenCounts& token : lessons.tokens) {
        PutLittleEndian(out, at, token.hash, 8);
        PutLittleEndian(out, at + 8, token.ham, 4);
        PutLittleEndian(out, at + 12, token.spam, 4);
        at += UserRecordSize;
    }
    for (const LearntText& text : lessons.texts) {
        PutLittleEndian(out, at, text.key, 8);
        PutLittleEndian(out, at + 8, text.spam ? 1 : 0, 4);
        at += UserRecordSize;
    }
    PutLittleEndian(out, UserChecksumOffset, UserDictionaryChecksum(out), 8);
    return out;
}

std::optional<UserDictionary> ReadUserDictionary(std::span<const unsigned char> bytes) {
    if (bytes.size() < UserHeaderSize || std::memcmp(bytes.data(), Magic.data(), Magic.size()) != 0) return std::nullopt;
    if (GetLittleEndian(bytes, 8, 4) != UserFormatVersion || GetLittleEndian(bytes, 12, 4) != UserHeaderSize) {
        return std::nullopt;
    }
    const std::uint64_t token_count = GetLittleEndian(bytes, 16, 4);
    const std::uint64_t text_count = GetLittleEndian(bytes, 20, 4);
    if (bytes.size() != UserHeaderSize + (token_count + text_count) * UserRecordSize) return std::nullopt;
    if (GetLittleEndian(bytes, UserChecksumOffset, 8) != UserDictionaryChecksum(bytes)) return std::nullopt;

    UserDictionary lessons;
    lessons.ham_messages = static_cast<std::uint32_t>(GetLittleEndian(bytes, 24, 4));
    lessons.spam_messages = static_cast<std::uint32_t>(GetLittleEndian(bytes, 28, 4));
    lessons.tokens.resize(static_cast<std::size_t>(token_count));
    lessons.texts.resize(static_cast<std::size_t>(text_count));
    std::size_t at = UserHeaderSize;
    for (TokenCounts& token : lessons.tokens) {
        token = {GetLittleEndian(bytes, at, 8), static_cast<std::uint32_t>(GetLittleEndian(bytes, at + 8, 4)),
                 static_cast<std::uint32_t>(GetLittleEndian(bytes, at + 12, 4))};
        at += UserRecordSize;
    }
    for (LearntText& text : lessons.texts) {
        const std::uint64_t kind = GetLittleEndian(bytes, at + 8, 4);
        if (kind > 1 || GetLittleEndian(bytes, at + 12, 4) != 0) return std::nullopt;
        text = {GetLittleEndian(bytes, at, 8), kind == 1};
        at += UserRecordSize;
    }
    if (!IsConsistent(lessons)) return std::nullopt;
    return lessons;
}

}  // namespace tarn::rules
