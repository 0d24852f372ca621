#pragma once

#include <cstdint>
#include <optional>

#include "rules/key_map.h"
#include "rules/token_set.h"
#include "rules/user_dictionary.h"

namespace tarn::rules {

// What the user taught the engine, apart from the shipped dictionary: how many messages of
// each kind, in how many of them each token was seen, and the key of every text learnt with
// the kind it was learnt as, so that a text counts once and only a learnt text is unlearnt.
class Lessons {
public:
    struct Counts {
        std::uint32_t ham = 0;
        std::uint32_t spam = 0;
    };

    Lessons() = default;
    // The lessons a user file holds (consistent, see IsConsistent).
    explicit Lessons(const UserDictionary& file);
    // The lessons as the user file keeps them.
    UserDictionary File() const;

    // The kind a text was learnt as (true: spam), if it was.
    std::optional<bool> LearntAs(std::uint64_t text_key) const;
    // Records a text with its token set as learnt, or forgets it again.
    void Learn(std::uint64_t text_key, const TokenSet& tokens, bool spam);
    void Unlearn(std::uint64_t text_key, const TokenSet& tokens);

    Counts Messages() const noexcept { return messages_; }
    const KeyMap<Counts>& Tokens() const noexcept { return tokens_; }
    const KeyMap<bool>& Texts() const noexcept { return texts_; }

private:
    Counts messages_;
    KeyMap<Counts> tokens_;
    KeyMap<bool> texts_;
};

}  // namespace tarn::rules
