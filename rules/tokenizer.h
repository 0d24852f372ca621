#pragma once

#include <cstddef>
#include <string_view>

#include "rules/token_sink.h"

namespace tarn::rules {

// The length of the header block that starts a screening text: the lines that are header
// fields ("Name: value") or continue one, and the blank line after them when there is one.
// The body follows directly. 0 when the text does not start with a header field.
std::size_t HeaderBlockLength(std::string_view text) noexcept;

// Every token of a screening text: the header fields (see EmitHeaderFieldTokens), then the body
// (see EmitBodyTokens).
void Tokenize(std::string_view text, TokenSink& sink);

}  // namespace tarn::rules
