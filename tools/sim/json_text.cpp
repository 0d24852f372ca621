#include "tools/sim/json_text.h"

#include <cstdio>

#include "platform/codepage.h"

namespace tarn::tools::sim {

std::string JsonString(std::string_view ansi) {
    const std::string utf8 = platform::ToUtf8(platform::Widen(ansi));
    std::string json = "\"";
    for (const char ch : utf8) {
        switch (ch) {
            case '"': json += "\\\""; break;
            case '\\': json += "\\\\"; break;
            case '\n': json += "\\n"; break;
            case '\r': json += "\\r"; break;
            case '\t': json += "\\t"; break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(ch));
                    json += escaped;
                } else {
                    json += ch;
                }
        }
    }
    return json + "\"";
}

}  // namespace tarn::tools::sim
