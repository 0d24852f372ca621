#include "store/sorted_text_list.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

#include "platform/text_compare.h"

namespace tarn::store {

namespace {

bool Before(std::string_view left, std::string_view right) {
    return platform::CompareTextIgnoreCase(left, right) < 0;
}

bool Same(std::string_view left, std::string_view right) {
    return platform::CompareTextIgnoreCase(left, right) == 0;
}

std::uint64_t NextRevision() noexcept {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

}  // namespace

SortedTextList::SortedTextList() : revision_(NextRevision()) {}

void SortedTextList::Changed() noexcept {
    revision_ = NextRevision();
}

void SortedTextList::Clear() noexcept {
    entries_.clear();
    Changed();
}

SortedTextList::AddResult SortedTextList::Add(std::string entry) {
    if (entry.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        throw std::invalid_argument("a list entry cannot hold a line break or a NUL character");
    }
    const auto place = std::lower_bound(entries_.begin(), entries_.end(), entry, Before);
    const auto index = static_cast<std::size_t>(place - entries_.begin());
    if (place != entries_.end() && Same(*place, entry)) return {index, false};
    entries_.insert(place, std::move(entry));
    Changed();
    return {index, true};
}

std::optional<std::size_t> SortedTextList::IndexOf(std::string_view entry) const {
    const auto place = std::lower_bound(entries_.begin(), entries_.end(), entry,
                                        [](const std::string& left, std::string_view right) { return Before(left, right); });
    if (place == entries_.end() || !Same(*place, entry)) return std::nullopt;
    return static_cast<std::size_t>(place - entries_.begin());
}

void SortedTextList::Delete(std::size_t index) {
    if (index >= entries_.size()) throw std::out_of_range("list index out of range");
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    Changed();
}

void SortedTextList::Assign(std::vector<std::string> texts) {
    // A stable sort keeps equal texts in their original order, so unique() keeps the first. The
    // add-in writes its files sorted, so most texts come in order already.
    if (!std::is_sorted(texts.begin(), texts.end(), Before)) std::stable_sort(texts.begin(), texts.end(), Before);
    texts.erase(std::unique(texts.begin(), texts.end(), Same), texts.end());
    entries_ = std::move(texts);
    Changed();
}

std::string SortedTextList::Text() const {
    std::size_t size = 0;
    for (const auto& entry : entries_) size += entry.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& entry : entries_) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

}  // namespace tarn::store
