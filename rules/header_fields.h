#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "rules/char_class.h"

// The header block at the start of a screening text: the transport headers, followed by the
// body directly or after a blank line.
namespace tarn::rules {

inline constexpr std::size_t MaxFieldName = 76;

// The length of the field name of a line that starts a header field; 0 for any other line.
// Names are letters, digits, '-' and '_' (as every field name in use is); a colon followed by
// "//" starts a URL, not a field.
constexpr std::size_t FieldNameLength(std::string_view line) noexcept {
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

}  // namespace tarn::rules
