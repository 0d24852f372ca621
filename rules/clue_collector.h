#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "rules/token_sink.h"
#include "rules/token_table.h"

namespace tarn::rules {

// A token of the text that the dictionary rates far enough from 0.5 to count.
struct Clue {
    float probability = 0.5f;
    std::uint64_t hash = 0;
    std::uint32_t text_offset = 0;  // where its text lies in the collector
    std::uint32_t text_length = 0;
};

// Collects the clues of one text: the tokens that the table holds with a probability at
// least `min_strength` away from 0.5, each once however often it comes. All its memory is
// taken when it is made; collecting allocates nothing. Clues beyond the first
// MaxCluesPerText of a text are left out.
class ClueCollector final : public TokenSink {
public:
    static constexpr std::size_t MaxCluesPerText = 2048;

    ClueCollector(const TokenTable& table, double min_strength);

    // Forgets the previous text's clues.
    void Reset() noexcept;
    void Add(std::string_view token) override;

    std::span<Clue> Clues() noexcept { return {clues_.data(), clue_count_}; }
    std::string_view Text(const Clue& clue) const noexcept {
        return {text_.data() + clue.text_offset, clue.text_length};
    }

private:
    const TokenTable& table_;
    float min_strength_;
    std::vector<std::uint64_t> seen_;  // the keys of the text's clues: open addressing, twice MaxCluesPerText slots
    std::vector<std::uint32_t> used_;  // the slots of seen_ that this text filled
    std::vector<Clue> clues_;
    std::vector<char> text_;
    std::size_t clue_count_ = 0;
    std::size_t text_length_ = 0;
};

}  // namespace tarn::rules
