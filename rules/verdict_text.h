#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tarn::rules {

// The longest clue text a verdict shows; longer ones are cut.
inline constexpr std::size_t MaxClueDisplay = 40;

// Writes the verdict the report shows, "Tarn 0.97: url:example.biz, subject:free, 'click'"
// (the combined score with two decimals, then the clues: words of the body in quotes, other
// tokens as they are, control characters as '?'), cut to fit and always NUL-terminated in
// the buffer.
void WriteVerdict(std::span<char> buffer, double score, std::span<const std::string_view> clues) noexcept;

}  // namespace tarn::rules
