#include "win/views/access_keys.h"

#include <cwctype>
#include <optional>
#include <utility>

namespace tarn::win {

namespace {

char16_t Capital(char16_t letter) { return static_cast<char16_t>(std::towupper(static_cast<wint_t>(letter))); }

bool CanBeKey(char16_t letter) { return std::iswalnum(static_cast<wint_t>(letter)) != 0; }

bool StartsWord(std::u16string_view caption, std::size_t at) {
    return at == 0 || !CanBeKey(caption[at - 1]);
}

}  // namespace

AccessKeys::AccessKeys(std::u16string taken) : taken_(std::move(taken)) {
    for (char16_t& key : taken_) key = Capital(key);
}

bool AccessKeys::Free(char16_t key) const { return CanBeKey(key) && taken_.find(Capital(key)) == std::u16string::npos; }

std::u16string AccessKeys::Mark(std::u16string_view caption) {
    std::optional<std::size_t> chosen;
    for (std::size_t at = 0; at < caption.size() && !chosen; ++at) {
        if (StartsWord(caption, at) && Free(caption[at])) chosen = at;
    }
    for (std::size_t at = 0; at < caption.size() && !chosen; ++at) {
        if (Free(caption[at])) chosen = at;
    }
    if (chosen) taken_ += Capital(caption[*chosen]);
    std::u16string text;
    text.reserve(caption.size() + 4);
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (chosen && at == *chosen) text += u'&';
        if (caption[at] == u'&') text += u'&';
        text += caption[at];
    }
    return text;
}

}  // namespace tarn::win
