#pragma once

#include <string_view>

namespace tarn::screening {

// How English a screening text reads: 2000 times the hits of the English pattern list ("QNG")
// over the text's length, the length counted up to 10,000 characters while the whole text is
// searched. 0 when "BlockEnglish" is off or the text is empty. A score above 20 is English.
// Raises when the pattern list cannot be loaded.
double EnglishScore(std::string_view screening_text, bool block_english);

}  // namespace tarn::screening
