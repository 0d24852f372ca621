#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarn::screening {

// A pattern that the engine refused, or a match that the engine could not finish.
class PatternError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where one match lies in the text searched: [begin, end).
struct MatchSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A regular expression in the add-in's pattern dialect, compiled once per process.
//
// The dialect is Perl's with three differences: \s is exactly blank, tab, LF, CR and form
// feed (never vertical tab or a non-ASCII space); "\u" stands for the letter u; and the
// modifier string ("xis-m") is a separate argument. \w and \d are ASCII only, and case folding
// touches only A to Z. The text is bytes in the system code page.
class TextPattern {
public:
    // The compiled form of a pattern and modifier string, from a process-wide cache.
    // Raises PatternError for a pattern the engine does not accept.
    static const TextPattern& Get(std::string_view pattern, std::string_view modifiers = {});

    // The leftmost match that starts at or after `from`, or none.
    std::optional<MatchSpan> Find(std::string_view text, std::size_t from = 0) const;

    // Calls `visit(span)` for each successive match in text order. The next search starts
    // where the previous match ended, or one character further after an empty match, so
    // matches never overlap.
    template <class Visit>
    void ForEachMatch(std::string_view text, Visit&& visit) const {
        std::size_t from = 0;
        while (from <= text.size()) {
            const auto match = Find(text, from);
            if (!match) return;
            visit(*match);
            from = match->end == match->begin ? match->end + 1 : match->end;
        }
    }

    std::size_t CountMatches(std::string_view text) const;

    TextPattern(const TextPattern&) = delete;
    TextPattern& operator=(const TextPattern&) = delete;
    ~TextPattern();

private:
    struct Compiled;
    explicit TextPattern(std::unique_ptr<Compiled> compiled);
    std::unique_ptr<Compiled> compiled_;
};

// The engine's form of a pattern of the dialect; `extended` is the modifier x (unescaped
// whitespace outside brackets is dropped). Exposed for tests.
std::string TranslatePattern(std::string_view pattern, bool extended);

}  // namespace tarn::screening
