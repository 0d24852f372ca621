#pragma once

#include <string>
#include <string_view>

namespace tarn::screening {

// How English a screening text reads: 2000 times the hits of the English pattern list ("QNG")
// over the text's length, the length counted up to 10,000 characters while the whole text is
// searched. 0 when "BlockEnglish" is off or the text is empty. A score above 20 is English.
// Raises when the pattern list cannot be loaded.
double EnglishScore(std::string_view screening_text, bool block_english);

// The expression a line of the English pattern list stands for, matched without regard to
// case: a line that starts with an escape stands as it is, any other starts at whitespace; and
// unless the line ends with an escape, the match ends at whitespace.
std::string EnglishExpression(std::string_view line);

}  // namespace tarn::screening
