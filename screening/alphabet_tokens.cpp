#include "screening/alphabet_tokens.h"

#include <algorithm>

namespace tarn::screening {

const std::array<std::string_view, 12> AlphabetGroupTable = {
    "iso-8859-6#28596#windows-1256#1256#",
    "iso-8859-4#28594 #windows-1257#1257#",
    "iso-8859-2#28592#windows-1250#1250#",
    "gb2312#936#hz-gb-2312#52936#big5#950#",
    "iso-8859-5#28595#koi8-r#20866#koi8-u#21866#windows-1251#1251#",
    "iso-8859-7#28597#windows-1253#1253#",
    "iso-8859-8-i#38598#windows-1255#1255 #",
    "euc-jp#51932#iso-2022-jp#50220#csISO2022JP#50221#iso-2022-jp#932#",
    "ks_c_5601-1987#949#euc-kr#51949#",
    "windows-874#874#",
    "iso-8859-9#28599#windows-1254#1254#",
    "windows-1258#1258#",
};

namespace {

bool SameIgnoringAsciiCase(std::string_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        const auto lower = [](char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; };
        return lower(a) == lower(b);
    });
}

}  // namespace

void AlphabetTokens::BuildAlphabetTokens(std::string_view alphabet_groups) {
    tokens_.clear();
    for (std::size_t position = 0; position < AlphabetGroupTable.size() && position < alphabet_groups.size(); ++position) {
        if (alphabet_groups[position] == '1') AddAlphabetGroup(AlphabetGroupTable[position]);
    }
}

void AlphabetTokens::AddAlphabetGroup(std::string_view group) {
    std::string token;
    for (const char ch : group) {
        if (ch != '#') {
            token += ch;
        } else if (!token.empty()) {
            tokens_.push_back(std::move(token));
            token.clear();
        }
    }
    if (!token.empty()) tokens_.push_back(std::move(token));
}

bool AlphabetTokens::IsBlockedAlphabet(std::string_view charset) const {
    return std::any_of(tokens_.begin(), tokens_.end(),
                       [&](const std::string& token) { return SameIgnoringAsciiCase(charset, token); });
}

}  // namespace tarn::screening
