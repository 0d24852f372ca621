#include "tools/sim/json_text.h"

#include <cstdio>

#include "platform/codepage.h"

namespace tarn::tools::sim {

namespace {

std::string JsonLiteral(std::u16string_view text) {
    std::u16string escaped;
    escaped.reserve(text.size() + 2);
    escaped += u'"';
    for (const char16_t ch : text) {
        switch (ch) {
            case u'"': escaped += u"\\\""; break;
            case u'\\': escaped += u"\\\\"; break;
            case u'\n': escaped += u"\\n"; break;
            case u'\r': escaped += u"\\r"; break;
            case u'\t': escaped += u"\\t"; break;
            default:
                if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F)) {
                    char code[8];
                    std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(ch));
                    for (const char* at = code; *at != '\0'; ++at) escaped += static_cast<char16_t>(*at);
                } else {
                    escaped += ch;
                }
        }
    }
    escaped += u'"';
    return platform::ToUtf8(escaped);
}

}  // namespace

std::string JsonString(std::string_view ansi) { return JsonLiteral(platform::Widen(ansi)); }

std::string JsonUtf8String(std::string_view utf8) { return JsonLiteral(platform::FromUtf8(utf8)); }

}  // namespace tarn::tools::sim
