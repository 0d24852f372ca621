#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::screening {

// Counts, for many simple patterns at once, the successive non-overlapping matches of each in
// one pass over the text. A simple pattern is a case-insensitive pattern of the add-in's
// dialect made only of literal characters, \s (blank, tab, LF, CR, form feed), \w (ASCII
// letter, digit, underscore) and \w* followed by \s or ending the pattern; it holds at least one
// literal character, and no \w* comes before its longest run of literals. Its matches are the
// ones the regular-expression engine finds: leftmost first, each search starting where the
// previous match ended.
//
// Each pattern's longest literal run is its anchor; an automaton finds every anchor in the
// text at once, and each place found is checked against the whole pattern.
class LiteralPatternSet {
public:
    // Adds a pattern (the dialect text after "(?i)") when it is simple; false when it is not.
    bool TryAdd(std::string_view pattern);
    std::size_t Size() const noexcept { return patterns_.size(); }

    // The total number of matches of all the patterns in the text.
    std::size_t CountMatches(std::string_view text) const;

    struct Element {
        enum class Kind : std::uint8_t { Literal, Space, Word, Words };
        Kind kind;
        char literal = 0;  // lower case
    };

private:
    struct Pattern {
        std::vector<Element> elements;
        std::size_t anchor_offset = 0;  // the anchor's first element
        std::size_t anchor_length = 0;
    };
    static std::optional<std::vector<Element>> Parse(std::string_view pattern);
    // The length of the match of a pattern starting at `start`, or none.
    static std::optional<std::size_t> MatchAt(const Pattern& pattern, std::string_view text, std::size_t start);
    void Build() const;

    std::vector<Pattern> patterns_;
    // The anchors' automaton, made at the first count after a change.
    mutable bool built_ = false;
    mutable std::vector<std::uint8_t> byte_class_;        // 256 entries: a lower-cased byte's class
    mutable std::size_t classes_ = 0;
    mutable std::vector<std::uint16_t> next_state_;       // state * classes_ + class
    mutable std::vector<std::vector<std::uint16_t>> ends_;  // per state: the patterns whose anchor ends there
};

}  // namespace tarn::screening
