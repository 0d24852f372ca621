#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

namespace tarn::store {

// "Language.ini" of the installation directory, opened for one reader: several languages in
// numbered sections, the current one named in section "Main". Every text and number has a
// built-in default for a missing file, section or key.
class LanguageFile {
public:
    explicit LanguageFile(const std::filesystem::path& installation_directory);

    // The section of the current language: its number divided by 1000, rounded to the nearest
    // integer (halves to the even neighbour), times 1000.
    const std::string& Section() const noexcept { return section_; }

    std::string Text(std::string_view key, std::string_view fallback) const;
    std::int32_t Number(std::string_view key, std::int32_t fallback) const;

private:
    platform::IniFile ini_;
    std::string section_;
};

// A number as the profile rules read it: decimal, or hexadecimal after "$" or "0x"; an optional
// sign; anything else is no number.
std::optional<std::int32_t> ParseProfileNumber(std::string_view text);

std::int64_t LanguageSectionOf(std::int32_t language_number);

}  // namespace tarn::store
