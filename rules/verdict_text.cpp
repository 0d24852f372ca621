#include "rules/verdict_text.h"

#include <algorithm>
#include <cmath>

namespace tarn::rules {

namespace {

// Appends to a buffer, dropping what does not fit before the terminating NUL.
class BoundedText {
public:
    explicit BoundedText(std::span<char> buffer) noexcept : buffer_(buffer) {}
    ~BoundedText() {
        if (!buffer_.empty()) buffer_[std::min(length_, buffer_.size() - 1)] = '\0';
    }
    BoundedText(const BoundedText&) = delete;
    BoundedText& operator=(const BoundedText&) = delete;

    void Put(char c) noexcept {
        if (length_ + 1 < buffer_.size()) buffer_[length_++] = c;
    }
    void Put(std::string_view text) noexcept {
        for (const char c : text) Put(c);
    }

private:
    std::span<char> buffer_;
    std::size_t length_ = 0;
};

void PutClue(BoundedText& out, std::string_view clue) noexcept {
    const bool word = clue.find(':') == std::string_view::npos;
    if (word) out.Put('\'');
    for (const char c : clue.substr(0, MaxClueDisplay)) {
        const auto byte = static_cast<unsigned char>(c);
        out.Put(byte < 0x20 || byte == 0x7F ? '?' : c);
    }
    if (word) out.Put('\'');
}

}  // namespace

void WriteVerdict(std::span<char> buffer, double score, std::span<const std::string_view> clues) noexcept {
    BoundedText out(buffer);
    // Hundredths written by hand: the host process may have set a locale with a decimal comma.
    const long hundredths = std::lround((score > 0.0 ? std::min(score, 1.0) : 0.0) * 100.0);
    out.Put("Tarn ");
    out.Put(static_cast<char>('0' + hundredths / 100));
    out.Put('.');
    out.Put(static_cast<char>('0' + hundredths / 10 % 10));
    out.Put(static_cast<char>('0' + hundredths % 10));
    const char* separator = ": ";
    for (const std::string_view clue : clues) {
        out.Put(separator);
        PutClue(out, clue);
        separator = ", ";
    }
}

}  // namespace tarn::rules
