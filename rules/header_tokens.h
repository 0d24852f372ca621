#pragma once

#include <string_view>

#include "rules/token_sink.h"

namespace tarn::rules {

// Tokens of one header field, as received (continuation lines included): "header:" and its
// name, then the tokens of its value by what the field holds:
// - Subject: words, runs of "!?$*", the charsets of encoded words, a subject in capitals;
//   a mailing list's tag in brackets ("[ILUG]") gives "subject:tag" instead of its words;
// - From, Reply-To (the author): each address (local part, host and parent domains), the words
//   of the display names, "noname" without any;
// - Sender, Return-Path, Errors-To (the sending system, often a mailing list's server): the
//   hosts of the addresses only;
// - To, Cc (the recipients, the user's own addresses): how many, and whether named;
// - Message-ID: the shape of the part before "@";
// - Content-Type: the media type and the charset; Content-Transfer-Encoding: the encoding;
// - X-Mailer, User-Agent, X-MimeOLE: the whole value, and its words;
// - Date: the time zone only;
// - dates, references to other messages, sizes and the fields of mailing lists: the name only;
// - any other field: its first words.
// Fields that the recipient's own mail system adds (Received, Delivered-To, virus and spam
// scanners, mailbox state) give nothing at all: they are alike in the user's ham and spam, and
// in a training corpus they only tell which collection a message came from.
// Every token of a value starts with the field's lowered name and ':'.
void EmitHeaderFieldTokens(TokenWriter& out, std::string_view name, std::string_view value);

}  // namespace tarn::rules
