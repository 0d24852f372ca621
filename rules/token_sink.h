#pragma once

#include <cstddef>
#include <string_view>

namespace tarn::rules {

// Receives each token of a screening text as the tokenizer finds it; a token may come more
// than once. The text is valid only during the call.
class TokenSink {
public:
    virtual ~TokenSink() = default;
    virtual void Add(std::string_view token) = 0;
};

// The longest token, prefix included; longer ones are cut to this length.
inline constexpr std::size_t MaxTokenLength = 64;

// A part of a token written in decimal digits.
struct Number {
    unsigned value;
};

// Composes a token from its parts (texts and numbers) in a buffer of its own, with ASCII
// letters lowered, and hands it to the sink.
class TokenWriter {
public:
    explicit TokenWriter(TokenSink& sink) noexcept : sink_(sink) {}

    template <class... Parts>
    void Emit(const Parts&... parts) {
        length_ = 0;
        (Append(parts), ...);
        sink_.Add(std::string_view(text_, length_));
    }

private:
    void Append(std::string_view part) noexcept {
        const std::size_t count = part.size() < MaxTokenLength - length_ ? part.size() : MaxTokenLength - length_;
        char* out = text_ + length_;
        for (std::size_t i = 0; i < count; ++i) {
            // Arithmetic rather than a table lookup, so that the compiler can vectorize it.
            const auto c = static_cast<unsigned char>(part[i]);
            out[i] = static_cast<char>(c | (static_cast<unsigned>(c - 'A') < 26u ? 0x20 : 0));
        }
        length_ += count;
    }
    void Append(Number number) noexcept;

    TokenSink& sink_;
    char text_[MaxTokenLength] = {};
    std::size_t length_ = 0;
};

}  // namespace tarn::rules
