#pragma once

#include <string>
#include <string_view>

#include "host/item.h"
#include "screening/alphabet_tokens.h"
#include "screening/rules_engine.h"
#include "screening/screening_inputs.h"
#include "screening/screening_rules.h"

namespace tarn::screening {

// How a caller words the verdicts of the local tests: the new-mail screening and the folder
// analysis show two of them differently.
struct VerdictWords {
    std::string_view banned_sender;
    std::string_view banned_content;
    std::string_view outside_address_book;
    std::string_view alphabet;
    std::string_view encoded_word;
    std::string_view suspicious;
};

// The settings the tests read, and the separator the English score is written with.
struct CascadeSettings {
    bool only_address_book = false;
    bool block_english = false;
    char decimal_separator = '.';
};

// What the screening decided for one mail item.
struct Judgement {
    enum class Kind {
        FriendSender,   // wanted: the sender is a friend
        ProtectedWord,  // wanted: a protected word
        LocalTest,      // rate 1000 from a list or filter test
        Engine,         // rated by the engine
    };
    Kind kind = Kind::FriendSender;
    int rate = 0;
    std::string reason;  // the local test's words or the engine's verdict text, nothing appended

    // Spam at a rate of 50 or more.
    bool Spam() const noexcept { return rate >= 50; }
};

// Runs the screening tests in their order, the first that fires deciding: friend sender,
// protected word (both wanted), banned sender, forbidden word, outside the address book, and,
// when the headers declare a charset, blocked alphabet, encoded word, English text and
// hyperlink field (each rate 1000); when none fires, the rating engine rates the text.
Judgement RunCascade(host::Item& item, const std::string& subject, const ScreeningInputs& inputs,
                     const ScreeningRules& rules, const AlphabetTokens& alphabets, const CascadeSettings& settings,
                     RulesEngine& engine, const VerdictWords& words);

}  // namespace tarn::screening
