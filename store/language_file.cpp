#include "store/language_file.h"

#include <charconv>
#include <cmath>

namespace tarn::store {

namespace {

constexpr std::string_view FileName = "Language.ini";
constexpr std::string_view MainSection = "Main";
constexpr std::int32_t DefaultLanguageNumber = 1000;

}  // namespace

std::optional<std::int32_t> ParseProfileNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with('$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    // Hexadecimal spells the 32 bits ($FFFFFFFF is -1); decimal must fit.
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFu) return std::nullopt;
        const auto bits = static_cast<std::uint32_t>(negative ? 0u - magnitude : magnitude);
        return static_cast<std::int32_t>(bits);
    }
    if (magnitude > 0x80000000u) return std::nullopt;
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int64_t LanguageSectionOf(std::int32_t language_number) {
    // Exact for every 32-bit number; the default rounding mode rounds halves to even.
    return static_cast<std::int64_t>(std::nearbyint(language_number / 1000.0)) * 1000;
}

LanguageFile::LanguageFile(const std::filesystem::path& installation_directory)
    : ini_(installation_directory / std::string(FileName)) {
    const std::string language = ini_.ReadString(MainSection, "Current", "English");
    const std::int32_t number =
        ParseProfileNumber(ini_.ReadString(MainSection, language, "")).value_or(DefaultLanguageNumber);
    section_ = std::to_string(LanguageSectionOf(number));
}

std::string LanguageFile::Text(std::string_view key, std::string_view fallback) const {
    return ini_.ReadString(section_, key, fallback);
}

std::int32_t LanguageFile::Number(std::string_view key, std::int32_t fallback) const {
    return ParseProfileNumber(ini_.ReadString(section_, key, "")).value_or(fallback);
}

}  // namespace tarn::store
