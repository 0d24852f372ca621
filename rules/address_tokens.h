#pragma once

#include <string_view>

#include "rules/token_sink.h"

// Tokens of the names that locate a sender or a page: host names, mail addresses, URLs. Each
// token starts with the prefix of the place it was found ("from:", "email:", "url:"...).
namespace tarn::rules {

// A host name gives itself and its parent domains of three and two labels
// ("a.mail.example.co.uk": that, "example.co.uk", "co.uk"); a numeric IPv4 address gives
// "ip" and its first three and first two parts ("ip:192.168.1", "ip:192.168"); a name that
// ends in digits (a version number) gives nothing.
void EmitHostTokens(TokenWriter& out, std::string_view prefix, std::string_view host);

// "local@host": "user:" and the local part, then the host's tokens.
void EmitAddressTokens(TokenWriter& out, std::string_view prefix, std::string_view address);

// A URL of a text or of an HTML attribute ("http://...", "www...", "mailto:..."): its scheme,
// a user name before the host, a port, the host's tokens, an escaped character, and the first
// words of its path and query. Trailing punctuation is not part of it.
void EmitUrlTokens(TokenWriter& out, std::string_view url);

// Whether a chunk of text is a URL for EmitUrlTokens.
bool LooksLikeUrl(std::string_view chunk) noexcept;

}  // namespace tarn::rules
