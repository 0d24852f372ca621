#include "tools/sim/value_display.h"

#include <algorithm>
#include <array>

namespace tarn::tools::sim {

namespace {

void AppendEscaped(std::string& out, unsigned char byte) {
    constexpr std::array<char, 16> Hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                          '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    switch (byte) {
        case '\r': out += "\\r"; return;
        case '\n': out += "\\n"; return;
        case '\t': out += "\\t"; return;
        case '\\': out += "\\\\"; return;
        case '"': out += "\\\""; return;
        default: break;
    }
    if (byte < 0x20 || byte >= 0x7F) {
        out += "\\x";
        out += Hex[byte >> 4];
        out += Hex[byte & 0x0F];
    } else {
        out += static_cast<char>(byte);
    }
}

}  // namespace

std::string DisplayValue(std::string_view value, std::size_t limit) {
    const std::string_view shown = value.substr(0, std::min(limit, value.size()));
    std::string out = "\"";
    for (const char ch : shown) AppendEscaped(out, static_cast<unsigned char>(ch));
    out += '"';
    if (shown.size() < value.size()) {
        out += " ... (cut: " + std::to_string(value.size()) + " bytes in all)";
    }
    return out;
}

}  // namespace tarn::tools::sim
