#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::screening {

// Charset names and Windows code page numbers of the twelve alphabet groups, in the order of
// the options dialog (Arabic, Baltic, CentralEuropean, Chinese, Cyrillic, Greek, Hebrew,
// Japanese, Korean, Thai, Turkish, Vietnamese), each followed by "#". Used exactly as they
// stand, blanks included (two tokens end in a blank and so never match a charset name).
extern const std::array<std::string_view, 12> AlphabetGroupTable;

// The charset tokens of the blocked alphabet groups, refilled before every screening.
class AlphabetTokens {
public:
    // Refills the tokens from "Alphabet Groups": position i (1 to 12) is blocked when it holds
    // "1"; positions beyond the end of the setting are not.
    void BuildAlphabetTokens(std::string_view alphabet_groups);

    // Whether the charset, lower-cased by the ASCII rule, equals a token lower-cased likewise.
    bool IsBlockedAlphabet(std::string_view charset) const;

    const std::vector<std::string>& Tokens() const noexcept { return tokens_; }

private:
    void AddAlphabetGroup(std::string_view group);

    std::vector<std::string> tokens_;
};

}  // namespace tarn::screening
