#pragma once

#include <string_view>

#include "rules/token_sink.h"

namespace tarn::rules {

// Tokens of the body of a screening text, HTML as the message holds it or plain text:
// - words (see EmitWordToken; at least 3 characters), with HTML entities decoded and comments
//   left out ("vi<!-- -->agra" is one word), which inline tags such as <b> or <font> do not
//   break either;
// - URLs ("url:" tokens, see EmitUrlTokens) in the text and in href, src, action and
//   background attributes; mail addresses ("email:" tokens);
// - HTML markers that tell of intent: pictures, forms, frames, scripts and blinking text
//   ("html:<img"), colours ("html:color:#ff0000"), font faces, short size values
//   ("html:font.size=1", "html:img.width=1"), style declarations ("css:display:none"),
//   comments, numeric entities and entities that spell letters; script and style content is
//   skipped. Other tags and the names of attributes give nothing: a newsletter that was asked
//   for has as many of them as spam, and so many that they would outweigh its words;
// - the body as a whole: HTML or not, the share of capitals among letters and of 8-bit
//   characters, in tenths, and a body without any letter.
void EmitBodyTokens(TokenWriter& out, std::string_view body);

}  // namespace tarn::rules
