#include "screening/list_match.h"

#include <algorithm>
#include <string>

namespace tarn::screening {

namespace {

char AsciiLower(char ch) {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

std::string AsciiLowered(std::string_view text) {
    std::string lowered(text.size(), '\0');
    std::transform(text.begin(), text.end(), lowered.begin(), AsciiLower);
    return lowered;
}

}  // namespace

bool AnyEntryOccursIn(const store::SortedTextList& list, std::string_view text) {
    if (list.Empty()) return false;
    const std::string haystack = AsciiLowered(text);
    return std::any_of(list.Entries().begin(), list.Entries().end(), [&](const std::string& entry) {
        return !entry.empty() && haystack.find(AsciiLowered(entry)) != std::string::npos;
    });
}

}  // namespace tarn::screening
