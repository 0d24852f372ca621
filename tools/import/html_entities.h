#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarn::tools::import {

// One HTML character reference ("&amp;", "&#233;", "&#xE9;", "&eacute;") as UTF-8, and how
// many bytes of the source it took.
struct CharacterReference {
    std::string utf8;
    std::size_t length = 0;
};

// Where the reference stands: inside an attribute value a legacy name without its ';' that
// runs on into letters, digits or '=' is left alone, so that "?a=1&copy=2" stays a URL.
enum class ReferenceContext { Text, Attribute };

// The character reference that starts at html[at] (an '&'), read as browsers read it: numeric
// references with or without ';', named ones with ';', and the Latin-1 and markup names also
// without it. Code points that no character may have become U+FFFD; 128 to 159 are read as
// the Windows-1252 characters that HTML pages mean by them. Empty when no reference starts there.
std::optional<CharacterReference> ReadCharacterReference(std::string_view html, std::size_t at,
                                                         ReferenceContext context);

}  // namespace tarn::tools::import
