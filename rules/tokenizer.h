#pragma once

#include <string_view>

#include "rules/token_sink.h"

namespace tarn::rules {

// Every token of a screening text: the header fields (see EmitHeaderFieldTokens), then the body
// (see EmitBodyTokens). The header block is the lines at the start that are header fields
// ("Name: value") or continue one, and the blank line after them when there is one; the body
// is the rest. A mailing list's footer at the end of the body (see ListFooterStart) gives
// "body:listfooter" and nothing else.
void Tokenize(std::string_view text, TokenSink& sink);

}  // namespace tarn::rules
