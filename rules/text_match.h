#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "rules/char_class.h"

// Comparisons and trimming of 8-bit text, independent of the C locale.
namespace tarn::rules {

constexpr bool StartsWithNoCase(std::string_view text, std::string_view lower_prefix) noexcept {
    if (text.size() < lower_prefix.size()) return false;
    for (std::size_t i = 0; i < lower_prefix.size(); ++i) {
        if (ToLower(text[i]) != lower_prefix[i]) return false;
    }
    return true;
}

constexpr bool EqualsNoCase(std::string_view text, std::string_view lower) noexcept {
    return text.size() == lower.size() && StartsWithNoCase(text, lower);
}

// Where the (lower-case) text `lower` first occurs in `text` from `from` on, in any case; npos
// when nowhere.
constexpr std::size_t FindNoCase(std::string_view text, std::size_t from, std::string_view lower) noexcept {
    for (std::size_t at = from; at + lower.size() <= text.size(); ++at) {
        if (StartsWithNoCase(text.substr(at), lower)) return at;
    }
    return std::string_view::npos;
}

// Calls `use` with each run of bytes for which `inside` holds, until it returns false.
template <class Inside, class Use>
void ForEachRun(std::string_view text, Inside inside, Use use) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!inside(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && inside(static_cast<unsigned char>(text[i]))) ++i;
        if (!use(text.substr(start, i - start))) return;
    }
}

// Whether the text is one of the (lower-case) names, in any case.
template <std::size_t N>
constexpr bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& names) noexcept {
    for (const auto name : names) {
        if (EqualsNoCase(text, name)) return true;
    }
    return false;
}

constexpr std::string_view TrimSpace(std::string_view text) noexcept {
    while (!text.empty() && IsSpace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && IsSpace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

}  // namespace tarn::rules
