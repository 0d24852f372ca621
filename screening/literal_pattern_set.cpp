#include "screening/literal_pattern_set.h"

#include <array>
#include <cctype>
#include <deque>

namespace tarn::screening {

namespace {

using Element = LiteralPatternSet::Element;
using Kind = Element::Kind;

constexpr std::array<bool, 256> SpaceTable = [] {
    std::array<bool, 256> table{};
    for (const unsigned char ch : {' ', '\t', '\n', '\r', '\f'}) table[ch] = true;
    return table;
}();

constexpr std::array<bool, 256> WordTable = [] {
    std::array<bool, 256> table{};
    for (int ch = 0; ch < 256; ++ch) {
        table[static_cast<std::size_t>(ch)] =
            (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_';
    }
    return table;
}();

unsigned char Lower(unsigned char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<unsigned char>(ch - 'A' + 'a') : ch;
}

bool IsLiteralCharacter(char ch) {
    return std::string_view("\\|()[]{}*+?.^$").find(ch) == std::string_view::npos;
}

}  // namespace

std::optional<std::vector<Element>> LiteralPatternSet::Parse(std::string_view pattern) {
    std::vector<Element> elements;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char ch = pattern[i];
        if (ch == '\\') {
            if (++i == pattern.size()) return std::nullopt;
            const char escaped = pattern[i];
            if (escaped == 's') {
                elements.push_back({Kind::Space});
            } else if (escaped == 'w') {
                const bool repeated = i + 1 < pattern.size() && pattern[i + 1] == '*';
                elements.push_back({repeated ? Kind::Words : Kind::Word});
                i += repeated ? 1 : 0;
            } else if (std::isalnum(static_cast<unsigned char>(escaped)) != 0) {
                return std::nullopt;  // \d, \b, \n... stand for more than a character of their own
            } else {
                elements.push_back({Kind::Literal, escaped});  // an escaped punctuation character is itself
            }
        } else if (IsLiteralCharacter(ch)) {
            elements.push_back({Kind::Literal, static_cast<char>(Lower(static_cast<unsigned char>(ch)))});
        } else {
            return std::nullopt;
        }
    }
    // \w* must be followed by \s or end the pattern, so that its greedy run never gives back.
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].kind == Kind::Words && i + 1 < elements.size() && elements[i + 1].kind != Kind::Space) {
            return std::nullopt;
        }
    }
    return elements;
}

bool LiteralPatternSet::TryAdd(std::string_view text) {
    auto elements = Parse(text);
    if (!elements) return false;
    Pattern pattern{std::move(*elements)};
    std::size_t run_start = 0;
    for (std::size_t i = 0; i <= pattern.elements.size(); ++i) {
        if (i < pattern.elements.size() && pattern.elements[i].kind == Kind::Literal) continue;
        if (i - run_start > pattern.anchor_length) {
            pattern.anchor_offset = run_start;
            pattern.anchor_length = i - run_start;
        }
        run_start = i + 1;
    }
    if (pattern.anchor_length == 0) return false;
    for (std::size_t i = 0; i < pattern.anchor_offset; ++i) {
        if (pattern.elements[i].kind == Kind::Words) return false;  // the anchor's place must be fixed
    }
    patterns_.push_back(std::move(pattern));
    built_ = false;
    return true;
}

std::optional<std::size_t> LiteralPatternSet::MatchAt(const Pattern& pattern, std::string_view text, std::size_t start) {
    std::size_t at = start;
    for (const Element& element : pattern.elements) {
        if (element.kind == Kind::Words) {
            while (at < text.size() && WordTable[static_cast<unsigned char>(text[at])]) ++at;
            continue;
        }
        if (at >= text.size()) return std::nullopt;
        const auto ch = static_cast<unsigned char>(text[at]);
        const bool fits = element.kind == Kind::Space ? SpaceTable[ch]
                          : element.kind == Kind::Word ? WordTable[ch]
                                                       : Lower(ch) == static_cast<unsigned char>(element.literal);
        if (!fits) return std::nullopt;
        ++at;
    }
    return at - start;
}

void LiteralPatternSet::Build() const {
    // Classes: one per byte that appears in an anchor (either case), 0 for every other byte.
    byte_class_.assign(256, 0);
    classes_ = 1;
    for (const auto& pattern : patterns_) {
        for (std::size_t i = 0; i < pattern.anchor_length; ++i) {
            const auto lower = static_cast<unsigned char>(pattern.elements[pattern.anchor_offset + i].literal);
            if (byte_class_[lower] != 0) continue;
            byte_class_[lower] = static_cast<std::uint8_t>(classes_++);
        }
    }
    for (int ch = 'A'; ch <= 'Z'; ++ch) byte_class_[static_cast<std::size_t>(ch)] = byte_class_[Lower(static_cast<unsigned char>(ch))];

    // The trie of the anchors, then failure links breadth first, completing every transition.
    std::vector<std::vector<std::int32_t>> child(1, std::vector<std::int32_t>(classes_, -1));
    ends_.assign(1, {});
    for (std::size_t index = 0; index < patterns_.size(); ++index) {
        const auto& pattern = patterns_[index];
        std::size_t state = 0;
        for (std::size_t i = 0; i < pattern.anchor_length; ++i) {
            const auto cls = byte_class_[static_cast<unsigned char>(pattern.elements[pattern.anchor_offset + i].literal)];
            if (child[state][cls] < 0) {
                child[state][cls] = static_cast<std::int32_t>(child.size());
                child.emplace_back(classes_, -1);
                ends_.emplace_back();
            }
            state = static_cast<std::size_t>(child[state][cls]);
        }
        ends_[state].push_back(static_cast<std::uint16_t>(index));
    }
    std::vector<std::size_t> failure(child.size(), 0);
    next_state_.assign(child.size() * classes_, 0);
    std::deque<std::size_t> queue;
    for (std::size_t cls = 0; cls < classes_; ++cls) {
        if (child[0][cls] > 0) {
            next_state_[cls] = static_cast<std::uint16_t>(child[0][cls]);
            queue.push_back(static_cast<std::size_t>(child[0][cls]));
        }
    }
    while (!queue.empty()) {
        const std::size_t state = queue.front();
        queue.pop_front();
        const auto& inherited = ends_[failure[state]];
        ends_[state].insert(ends_[state].end(), inherited.begin(), inherited.end());
        for (std::size_t cls = 0; cls < classes_; ++cls) {
            const std::size_t fallback = next_state_[failure[state] * classes_ + cls];
            if (child[state][cls] > 0) {
                const auto next = static_cast<std::size_t>(child[state][cls]);
                failure[next] = fallback;
                next_state_[state * classes_ + cls] = static_cast<std::uint16_t>(next);
                queue.push_back(next);
            } else {
                next_state_[state * classes_ + cls] = static_cast<std::uint16_t>(fallback);
            }
        }
    }
    built_ = true;
}

std::size_t LiteralPatternSet::CountMatches(std::string_view text) const {
    if (!built_) Build();
    std::vector<std::size_t> free_from(patterns_.size(), 0);  // where each pattern's next match may start
    std::size_t matches = 0;
    std::size_t state = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        state = next_state_[state * classes_ + byte_class_[static_cast<unsigned char>(text[at])]];
        for (const std::uint16_t index : ends_[state]) {
            const Pattern& pattern = patterns_[index];
            const std::size_t anchor_start = at + 1 - pattern.anchor_length;
            if (anchor_start < pattern.anchor_offset) continue;
            const std::size_t start = anchor_start - pattern.anchor_offset;
            if (start < free_from[index]) continue;
            if (const auto length = MatchAt(pattern, text, start)) {
                ++matches;
                free_from[index] = start + *length;
            }
        }
    }
    return matches;
}

}  // namespace tarn::screening
