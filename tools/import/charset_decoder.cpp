#include "tools/import/charset_decoder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <string>

#include <iconv.h>

#include "platform/codepage.h"
#include "tools/import/gmime_support.h"

namespace tarn::tools::import {

namespace {

constexpr std::string_view Utf8Replacement = "\xEF\xBF\xBD";
constexpr std::string_view Western = "windows-1252";

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return lower;
}

bool IsAnyOf(std::string_view label, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), label) != names.end();
}

bool IsWellFormedUtf8(std::string_view bytes) {
    // Round-tripping is exact only when nothing had to be replaced, and a genuine U+FFFD in the
    // input survives the round trip unchanged.
    return platform::ToUtf8(platform::FromUtf8(bytes)) == bytes;
}

class IconvHandle {
public:
    explicit IconvHandle(const std::string& from) : handle_(g_mime_iconv_open("UTF-8", from.c_str())) {}
    ~IconvHandle() {
        if (IsOpen()) g_mime_iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool IsOpen() const { return handle_ != reinterpret_cast<iconv_t>(std::intptr_t{-1}); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// Converts with iconv, replacing each byte it rejects and a sequence cut off at the end.
std::string Convert(IconvHandle& converter, std::string_view bytes) {
    std::string out;
    std::array<char, 4096> chunk{};
    char* in = const_cast<char*>(bytes.data());  // iconv's interface is not const-correct.
    std::size_t in_left = bytes.size();
    while (in_left > 0) {
        char* chunk_out = chunk.data();
        std::size_t chunk_left = chunk.size();
        const std::size_t result = iconv(converter.get(), &in, &in_left, &chunk_out, &chunk_left);
        const int error = errno;
        out.append(chunk.data(), chunk.size() - chunk_left);
        if (result != static_cast<std::size_t>(-1)) break;
        if (error == EILSEQ) {
            out.append(Utf8Replacement);
            ++in;
            --in_left;
        } else if (error == EINVAL) {
            out.append(Utf8Replacement);
            break;
        } else if (error != E2BIG) {
            break;
        }
    }
    // Flush a stateful charset's pending shift sequence.
    char* chunk_out = chunk.data();
    std::size_t chunk_left = chunk.size();
    iconv(converter.get(), nullptr, nullptr, &chunk_out, &chunk_left);
    out.append(chunk.data(), chunk.size() - chunk_left);
    return out;
}

std::string ConvertFrom(std::string_view charset, std::string_view bytes) {
    IconvHandle converter{std::string(charset)};
    return Convert(converter, bytes);
}

std::string UnlabelledToUtf8(std::string_view bytes) {
    return IsWellFormedUtf8(bytes) ? std::string(bytes) : ConvertFrom(Western, bytes);
}

}  // namespace

std::string DecodeToUtf8(std::string_view bytes, std::string_view charset) {
    StartGMime();
    const std::string label = Lowercase(charset);
    if (IsAnyOf(label, {"utf-8", "utf8"})) return platform::ToUtf8(platform::FromUtf8(bytes));
    if (IsAnyOf(label, {"", "us-ascii", "ascii", "ansi_x3.4-1968", "iso646-us", "us"})) {
        return UnlabelledToUtf8(bytes);
    }
    if (IsAnyOf(label, {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "latin-1", "l1"})) {
        return ConvertFrom(Western, bytes);
    }
    IconvHandle converter{label};
    return converter.IsOpen() ? Convert(converter, bytes) : UnlabelledToUtf8(bytes);
}

}  // namespace tarn::tools::import
