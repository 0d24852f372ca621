#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarn::screening {

// The text with A to Z in lower case, as the add-in writes addresses; other bytes unchanged.
std::string AsciiLower(std::string_view text);

// The whole text of the first match of a pattern of the add-in's dialect (no modifiers), or
// the empty string when there is none.
std::string FirstMatch(std::string_view text, std::string_view pattern);

// The e-mail addresses of a text, lower-cased (A to Z only) and separated by CR LF, in text
// order; when there is none, the names written between single quotes, likewise; when there
// is none of those either, the text itself.
std::string ExtractAddresses(std::string_view text);

// The non-empty lines of a text, sorted under the lists' case-insensitive comparison, one of
// each group of lines equal but for case (the first), each followed by CR LF.
std::string UniqueSortedLines(std::string_view text);

// The lines of a built-in text resource. Raises std::runtime_error when the add-in has no
// resource of that name.
std::vector<std::string> LoadResourceLines(std::string_view name);

}  // namespace tarn::screening
