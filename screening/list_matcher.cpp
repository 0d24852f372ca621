#include "screening/list_matcher.h"

#include <algorithm>
#include <bit>

namespace tarn::screening {

namespace {

constexpr std::array<unsigned char, 256> AsciiLowerTable = [] {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        table[static_cast<std::size_t>(byte)] =
            static_cast<unsigned char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
    }
    return table;
}();

unsigned char Lower(char byte) {
    return AsciiLowerTable[static_cast<unsigned char>(byte)];
}

// The first `count` lower-cased bytes packed with the first byte highest, as the scan's window
// holds them.
std::uint32_t Packed(std::string_view bytes, std::size_t count) {
    std::uint32_t packed = 0;
    for (std::size_t i = 0; i < count; ++i) packed = (packed << 8) | Lower(bytes[i]);
    return packed;
}

}  // namespace

std::size_t ListMatcher::ThreeByteBit(std::uint32_t window) noexcept {
    return static_cast<std::size_t>((window * 0x9E3779B1u) >> 16);  // 65,536 bits
}

void ListMatcher::Rebuild(const store::SortedTextList& list) {
    *this = ListMatcher();
    built_revision_ = list.Revision();
    std::size_t long_entries = 0;
    for (const auto& entry : list.Entries()) long_entries += entry.size() >= 4 ? 1 : 0;
    // About sixteen filter bits per entry: one window in a few hundred passes falsely.
    filter_bits_log2_ = std::max(10, static_cast<int>(std::bit_width(long_entries * 16)));
    filter_.assign((std::size_t{1} << filter_bits_log2_) / 64, 0);

    for (const auto& entry : list.Entries()) {
        switch (entry.size()) {
            case 0:
                continue;  // an empty entry never matches
            case 1:
                one_byte_[Lower(entry[0])] = true;
                has_one_byte_ = true;
                break;
            case 2:
                if (two_bytes_.empty()) two_bytes_.assign(1 << 16, false);
                two_bytes_[Packed(entry, 2)] = true;
                break;
            case 3: {
                if (three_filter_.empty()) three_filter_.assign((1 << 16) / 64, 0);
                const std::uint32_t bytes = Packed(entry, 3);
                three_filter_[ThreeByteBit(bytes) / 64] |= std::uint64_t{1} << (ThreeByteBit(bytes) % 64);
                three_bytes_.insert(bytes);
                break;
            }
            default: {
                const std::uint32_t prefix = Packed(entry, 4);
                const std::size_t bit = (prefix * 0x9E3779B1u) >> (32 - filter_bits_log2_);
                filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
                long_entries_.push_back(
                    {prefix, static_cast<std::uint32_t>(rests_.size()), static_cast<std::uint32_t>(entry.size() - 4)});
                for (std::size_t i = 4; i < entry.size(); ++i) rests_ += static_cast<char>(Lower(entry[i]));
            }
        }
        empty_ = false;
    }
    std::sort(long_entries_.begin(), long_entries_.end(),
              [](const LongEntry& left, const LongEntry& right) { return left.prefix < right.prefix; });
}

bool ListMatcher::LongEntryStartsAt(std::uint32_t prefix, std::string_view text, std::size_t start) const {
    const auto [first, last] =
        std::equal_range(long_entries_.begin(), long_entries_.end(), LongEntry{prefix, 0, 0},
                         [](const LongEntry& left, const LongEntry& right) { return left.prefix < right.prefix; });
    const std::size_t after = start + 4;
    return std::any_of(first, last, [&](const LongEntry& entry) {
        if (entry.rest_length > text.size() - after) return false;
        for (std::size_t i = 0; i < entry.rest_length; ++i) {
            if (Lower(text[after + i]) != static_cast<unsigned char>(rests_[entry.rest_offset + i])) return false;
        }
        return true;
    });
}

bool ListMatcher::Scan(std::string_view text) const {
    const bool has_short = has_one_byte_ || !two_bytes_.empty() || !three_bytes_.empty();
    const bool has_long = !long_entries_.empty();
    const std::uint64_t* filter = filter_.data();
    const int shift = 32 - filter_bits_log2_;
    std::uint32_t window = 0;  // the last four lower-cased bytes, the newest lowest
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = Lower(text[i]);
        window = (window << 8) | byte;
        if (has_short && ShortEntryEndsHere(window, i)) return true;
        if (has_long && i >= 3) {
            // Most windows stop at the filter; the few that pass are compared with the entries.
            const std::uint32_t bit = (window * 0x9E3779B1u) >> shift;
            if ((filter[bit / 64] >> (bit % 64) & 1) != 0 && LongEntryStartsAt(window, text, i - 3)) return true;
        }
    }
    return false;
}

bool ListMatcher::ShortEntryEndsHere(std::uint32_t window, std::size_t index) const {
    if (one_byte_[window & 0xFF]) return true;
    if (index >= 1 && !two_bytes_.empty() && two_bytes_[window & 0xFFFF]) return true;
    if (index >= 2 && !three_bytes_.empty()) {
        const std::uint32_t last_three = window & 0xFFFFFF;
        const std::size_t bit = ThreeByteBit(last_three);
        if ((three_filter_[bit / 64] >> (bit % 64) & 1) != 0 && three_bytes_.count(last_three) != 0) return true;
    }
    return false;
}

bool ListMatcher::AnyEntryOccursIn(const store::SortedTextList& list, std::string_view text) {
    if (built_revision_ != list.Revision()) Rebuild(list);
    return !empty_ && Scan(text);
}

}  // namespace tarn::screening
