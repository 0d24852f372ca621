#include "tools/sim/terminal_text.h"

#include <cstdio>

#include "platform/codepage.h"

namespace tarn::tools::sim {

namespace {

bool IsControl(char16_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

}  // namespace

std::string TerminalText(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (const char16_t ch : text) {
        if (!IsControl(ch)) {
            shown += ch;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(ch));
        for (const char* at = escaped; *at != '\0'; ++at) shown += static_cast<char16_t>(*at);
    }
    return platform::ToUtf8(shown);
}

std::string TerminalLines(std::u16string_view text) {
    std::string shown;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != u'\r' && text[at] != u'\n') continue;
        shown += TerminalText(text.substr(start, at - start));
        if (at == text.size()) break;
        if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ++at;
        shown += "\n    ";
        start = at + 1;
    }
    return shown;
}

std::string TerminalAnsi(std::string_view ansi) { return TerminalText(platform::Widen(ansi)); }

std::string TerminalUtf8(std::string_view utf8) { return TerminalText(platform::FromUtf8(utf8)); }

}  // namespace tarn::tools::sim
