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

std::string TerminalAnsi(std::string_view ansi) { return TerminalText(platform::Widen(ansi)); }

std::string TerminalUtf8(std::string_view utf8) { return TerminalText(platform::FromUtf8(utf8)); }

}  // namespace tarn::tools::sim
