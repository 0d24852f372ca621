#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::store {

// An ordered list of 8-bit texts kept sorted under the user locale's case-insensitive
// comparison. Texts that differ only in letter case are one entry: adding another of them
// leaves the list as it was. Entries are kept exactly as added (no trimming, no folding); an
// empty text is a valid entry and sorts first. No entry holds CR, LF or NUL.
class SortedTextList {
public:
    SortedTextList();

    struct AddResult {
        std::size_t index;  // of the new entry, or of the equal entry already there
        bool added;
    };

    // A stamp that changes with every change of the list and differs between lists, so that
    // whatever is derived from a list can tell when it must be derived again.
    std::uint64_t Revision() const noexcept { return revision_; }

    std::size_t Count() const noexcept { return entries_.size(); }
    bool Empty() const noexcept { return entries_.empty(); }
    const std::string& operator[](std::size_t index) const { return entries_.at(index); }
    const std::vector<std::string>& Entries() const noexcept { return entries_; }

    // An entry is one line of the list's file: one holding a line break or a NUL would come
    // back from the file as other entries, so it is refused with std::invalid_argument.
    AddResult Add(std::string entry);
    // Binary search under the list's comparison.
    std::optional<std::size_t> IndexOf(std::string_view entry) const;
    void Delete(std::size_t index);
    void Clear() noexcept;

    // Replaces the whole content by these texts, as if each were added in turn (so of texts
    // equal but for case, the first one stays).
    void Assign(std::vector<std::string> texts);

    // Every entry followed by CR LF, in list order.
    std::string Text() const;

private:
    void Changed() noexcept;

    std::vector<std::string> entries_;
    std::uint64_t revision_ = 0;
};

}  // namespace tarn::store
