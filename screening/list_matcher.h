#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "store/sorted_text_list.h"
#include "store/user_lists.h"

namespace tarn::screening {

// The matching rule of the list tests, at a cost that does not grow with the list: an entry
// matches a text when it occurs in it as a substring after both are lower-cased by the ASCII
// rule (only A to Z change); an empty entry never matches; an empty list matches nothing.
//
// The matcher indexes the list's lower-cased entries: entries of one to three bytes by their
// bytes, longer ones by their first four bytes in a bit filter and a table. A text is then
// read once, one window of four bytes at a time; only a window that passes the filter is
// compared with the entries that start so. The index is rebuilt when the list has changed.
class ListMatcher {
public:
    bool AnyEntryOccursIn(const store::SortedTextList& list, std::string_view text);

private:
    void Rebuild(const store::SortedTextList& list);
    bool Scan(std::string_view text) const;
    bool LongEntryStartsAt(std::uint32_t prefix, std::string_view text, std::size_t start) const;
    bool ShortEntryEndsHere(std::uint32_t window, std::size_t index) const;
    static std::size_t ThreeByteBit(std::uint32_t window) noexcept;

    std::uint64_t built_revision_ = 0;
    bool empty_ = true;
    // Entries of one, two and three bytes.
    bool has_one_byte_ = false;
    std::array<bool, 256> one_byte_{};
    std::vector<bool> two_bytes_;
    std::vector<std::uint64_t> three_filter_;  // a filter before the set
    std::unordered_set<std::uint32_t> three_bytes_;
    // Entries of four bytes or more: a filter over their first four bytes, then the rests of
    // the entries, sorted by those four bytes, in one block of text.
    struct LongEntry {
        std::uint32_t prefix;
        std::uint32_t rest_offset;
        std::uint32_t rest_length;
    };
    int filter_bits_log2_ = 0;
    std::vector<std::uint64_t> filter_;
    std::vector<LongEntry> long_entries_;
    std::string rests_;
};

}  // namespace tarn::screening

namespace tarn::screening {

// One matcher for each of the user's four lists, kept while the add-in runs.
class ListMatchers {
public:
    ListMatcher& For(store::ListKind kind) { return matchers_[static_cast<std::size_t>(kind)]; }

private:
    std::array<ListMatcher, 4> matchers_;
};

}  // namespace tarn::screening
