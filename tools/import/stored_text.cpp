#include "tools/import/stored_text.h"

#include <string>

namespace tarn::tools::import {

std::string WithCrLfLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (ch == '\n') {
            out += "\r\n";
        } else {
            out += ch;
        }
    }
    return out;
}

void RemoveNulBytes(std::string& value) { std::erase(value, '\0'); }

}  // namespace tarn::tools::import
