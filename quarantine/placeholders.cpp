#include "quarantine/placeholders.h"

#include <algorithm>

namespace tarn::quarantine {

namespace {

bool SameLetter(char a, char b) {
    const auto lower = [](char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; };
    return lower(a) == lower(b);
}

}  // namespace

void ReplacePlaceholder(std::string& page, std::string_view placeholder, std::string_view value) {
    if (placeholder.empty()) return;
    std::string result;
    auto from = page.cbegin();
    for (;;) {
        const auto found = std::search(from, page.cend(), placeholder.begin(), placeholder.end(), SameLetter);
        result.append(from, found);
        if (found == page.cend()) break;
        result.append(value);
        from = found + static_cast<std::ptrdiff_t>(placeholder.size());
    }
    page = std::move(result);
}

}  // namespace tarn::quarantine
