#pragma once

#include <cstddef>
#include <string_view>

#include "rules/token_sink.h"

// What a word of the text is, and which token it gives.
namespace tarn::rules {

inline constexpr std::size_t MaxWordLength = 20;

// The token of one word (a run of IsWordChar characters) after `prefix`: the word without leading
// and trailing '-' and '\'', lowered, after '^' when it is in capitals (four letters or more);
// nothing when shorter than `min_length`. A longer word than MaxWordLength gives, when it is all
// 8-bit characters (a Far Eastern script, written without blanks), "cjk:" and each pair of
// two-byte characters; otherwise (encoded data, run-together text) "skip:", its first character
// and its length in tens, as its exact bytes recur rarely.
void EmitWordToken(TokenWriter& out, std::string_view prefix, std::string_view word, std::size_t min_length);

}  // namespace tarn::rules
