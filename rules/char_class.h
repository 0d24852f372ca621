#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Byte classes of 8-bit text from one table, independent of the C locale (the host process
// may set any).
namespace tarn::rules {

namespace char_flag {
inline constexpr std::uint16_t Letter = 1 << 0;     // A-Z a-z
inline constexpr std::uint16_t Digit = 1 << 1;      // 0-9
inline constexpr std::uint16_t High = 1 << 2;       // 0x80-0xFF
inline constexpr std::uint16_t Space = 1 << 3;      // blank, tab, line ends, form feed
inline constexpr std::uint16_t Upper = 1 << 4;      // A-Z
inline constexpr std::uint16_t WordMark = 1 << 5;   // $ ' -, inside words
inline constexpr std::uint16_t HostMark = 1 << 6;   // - . _, inside host names
inline constexpr std::uint16_t Separator = 1 << 7;  // punctuation that ends a word of a header field
inline constexpr std::uint16_t LocalMark = 1 << 8;  // punctuation of the local part of an address
inline constexpr std::uint16_t BodyStop = 1 << 9;   // where running text stops in a body: < & and blanks
inline constexpr std::uint16_t LinkMark = 1 << 10;  // : . @, which URLs and addresses hold
}  // namespace char_flag

inline constexpr std::array<std::uint16_t, 256> CharFlags = [] {
    using namespace char_flag;
    std::array<std::uint16_t, 256> flags{};
    for (int c = 'a'; c <= 'z'; ++c) flags[c] |= Letter;
    for (int c = 'A'; c <= 'Z'; ++c) flags[c] |= Letter | Upper;
    for (int c = '0'; c <= '9'; ++c) flags[c] |= Digit;
    for (int c = 0x80; c <= 0xFF; ++c) flags[c] |= High;
    for (const char c : std::string_view(" \t\r\n\f\v")) flags[static_cast<unsigned char>(c)] |= Space;
    for (const char c : std::string_view("$'-")) flags[static_cast<unsigned char>(c)] |= WordMark;
    for (const char c : std::string_view("-._")) flags[static_cast<unsigned char>(c)] |= HostMark;
    for (const char c : std::string_view(";,<>\"()[]{}=:/?&'")) flags[static_cast<unsigned char>(c)] |= Separator;
    for (const char c : std::string_view("._%+-=!#&*'/")) flags[static_cast<unsigned char>(c)] |= LocalMark;
    for (const char c : std::string_view("<& \t\r\n\f\v")) flags[static_cast<unsigned char>(c)] |= BodyStop;
    for (const char c : std::string_view(":.@")) flags[static_cast<unsigned char>(c)] |= LinkMark;
    return flags;
}();

inline constexpr std::array<char, 256> LowerCase = [] {
    std::array<char, 256> lower{};
    for (int c = 0; c < 256; ++c) lower[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower;
}();

constexpr bool HasFlag(unsigned char c, std::uint16_t flags) noexcept {
    return (CharFlags[c] & flags) != 0;
}

constexpr bool IsAsciiLetter(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Letter);
}
constexpr bool IsDigit(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Digit);
}
constexpr bool IsAsciiAlnum(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Letter | char_flag::Digit);
}
constexpr bool IsHighBit(unsigned char c) noexcept {
    return c >= 0x80;
}
constexpr bool IsUpper(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Upper);
}
constexpr bool IsSpace(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Space);
}
// Letters, digits, 8-bit characters, and '$', '\'' and '-' (for "$100", "don't", "e-mail").
constexpr bool IsWordChar(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Letter | char_flag::Digit | char_flag::High | char_flag::WordMark);
}
constexpr bool IsHostNameChar(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Letter | char_flag::Digit | char_flag::HostMark);
}
constexpr char ToLower(char c) noexcept {
    return LowerCase[static_cast<unsigned char>(c)];
}

}  // namespace tarn::rules
