#include "rules/tokenizer.h"

#include <algorithm>

#include "rules/body_tokens.h"
#include "rules/char_class.h"
#include "rules/header_tokens.h"
#include "rules/list_footer.h"

namespace tarn::rules {

namespace {

constexpr std::size_t MaxFieldName = 76;

// The length of the field name of a line that starts a header field; 0 for any other line.
// Names are letters, digits, '-' and '_' (as every field name in use is); a colon followed by
// "//" starts a URL, not a field.
std::size_t FieldNameLength(std::string_view line) noexcept {
    const std::size_t limit = std::min(line.size(), MaxFieldName + 1);
    for (std::size_t i = 0; i < limit; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == ':') return i > 0 && line.substr(i + 1, 2) != "//" ? i : 0;
        if (!IsAsciiAlnum(c) && c != '-' && c != '_') return 0;
    }
    return 0;
}

// Calls `field(name, value)` for each header field of the text; returns the header block's
// length. A value runs up to the next field, continuation lines and line ends included.
template <class Field>
std::size_t ReadHeaderFields(std::string_view text, Field field) {
    std::size_t at = 0;
    std::string_view name;
    std::size_t value_start = 0;
    const auto finish = [&](std::size_t end) {
        if (!name.empty()) field(name, text.substr(value_start, end - value_start));
        name = {};
    };
    while (at < text.size()) {
        const std::size_t newline = text.find('\n', at);
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        std::string_view line = text.substr(at, next - at);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        if (line.empty()) {
            if (name.empty() && at == 0) return 0;
            finish(at);
            return next;
        }
        if (IsSpace(static_cast<unsigned char>(line.front()))) {
            if (name.empty()) break;
            at = next;
            continue;
        }
        const std::size_t name_length = FieldNameLength(line);
        if (name_length == 0) break;
        finish(at);
        name = line.substr(0, name_length);
        value_start = at + name_length + 1;
        at = next;
    }
    finish(at);
    return at;
}

}  // namespace

void Tokenize(std::string_view text, TokenSink& sink) {
    TokenWriter out(sink);
    const std::size_t headers = ReadHeaderFields(
        text, [&](std::string_view name, std::string_view value) { EmitHeaderFieldTokens(out, name, value); });
    const std::string_view body = text.substr(headers);
    const std::size_t footer = ListFooterStart(body);
    if (footer != std::string_view::npos) out.Emit("body:listfooter");
    EmitBodyTokens(out, body.substr(0, footer));
}

}  // namespace tarn::rules
