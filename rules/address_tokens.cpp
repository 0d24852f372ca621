#include "rules/address_tokens.h"

#include "rules/char_class.h"
#include "rules/text_match.h"

namespace tarn::rules {

namespace {

constexpr std::size_t MaxPathWords = 8;
constexpr std::size_t MinPathWord = 2;
constexpr std::size_t MaxPathWord = 20;

// Four parts of one to three digits: "192.168.1.10".
bool IsNumericAddress(std::string_view host) noexcept {
    int parts = 0;
    std::size_t digits = 0;
    for (const char c : host) {
        if (c == '.') {
            if (digits == 0) return false;
            ++parts;
            digits = 0;
        } else if (!IsDigit(static_cast<unsigned char>(c)) || ++digits > 3) {
            return false;
        }
    }
    return digits > 0 && parts == 3;
}

// A name whose last label is letters only ("example.com", "localhost"); version numbers such
// as "8.11.6" are not.
bool HasTopLevelDomain(std::string_view host) noexcept {
    const std::size_t dot = host.rfind('.');
    const std::string_view last = dot == std::string_view::npos ? host : host.substr(dot + 1);
    if (last.empty()) return false;
    for (const char c : last) {
        if (!IsAsciiLetter(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// The last `labels` dot-separated labels of a host name, or the whole name when it has no more.
std::string_view LastLabels(std::string_view host, int labels) noexcept {
    std::size_t start = host.size();
    for (int seen = 0; seen < labels; ++seen) {
        const std::size_t dot = start == 0 ? std::string_view::npos : host.rfind('.', start - 1);
        if (dot == std::string_view::npos) return host;
        start = dot;
    }
    return host.substr(start + 1);
}

// The first `parts` dot-separated parts of a numeric address.
std::string_view FirstParts(std::string_view address, int parts) noexcept {
    std::size_t from = 0;
    for (int seen = 0; seen < parts; ++seen) {
        const std::size_t dot = address.find('.', from);
        if (dot == std::string_view::npos) return address;
        from = dot + 1;
    }
    return address.substr(0, from - 1);
}

std::string_view TrimTrailingPunctuation(std::string_view text) noexcept {
    while (!text.empty() && std::string_view(".,;:!?)]}>'\"").find(text.back()) != std::string_view::npos) {
        text.remove_suffix(1);
    }
    return text;
}

// "url:path:" and each of the first words of a URL's path and query; "url:escaped" when it
// holds a %-escape.
void EmitPathWords(TokenWriter& out, std::string_view rest) {
    std::size_t words = 0;
    std::size_t i = 0;
    bool escaped = false;
    while (i < rest.size() && words < MaxPathWords) {
        if (rest[i] == '%') escaped = true;
        if (!IsAsciiAlnum(static_cast<unsigned char>(rest[i]))) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < rest.size() && IsAsciiAlnum(static_cast<unsigned char>(rest[i]))) ++i;
        const std::string_view word = rest.substr(start, i - start);
        if (word.size() < MinPathWord || word.size() > MaxPathWord || EqualsNoCase(word, "amp")) continue;
        out.Emit("url:path:", word);
        ++words;
    }
    if (escaped) out.Emit("url:escaped");
}

}  // namespace

void EmitHostTokens(TokenWriter& out, std::string_view prefix, std::string_view host) {
    while (!host.empty() && host.back() == '.') host.remove_suffix(1);
    if (IsNumericAddress(host)) {
        out.Emit(prefix, "ip");
        out.Emit(prefix, "ip:", FirstParts(host, 3));
        out.Emit(prefix, "ip:", FirstParts(host, 2));
        return;
    }
    if (!HasTopLevelDomain(host)) return;
    out.Emit(prefix, host);
    const std::string_view three = LastLabels(host, 3);
    if (three.size() < host.size()) out.Emit(prefix, three);
    const std::string_view two = LastLabels(host, 2);
    if (two.size() < three.size()) out.Emit(prefix, two);
}

void EmitAddressTokens(TokenWriter& out, std::string_view prefix, std::string_view address) {
    const std::size_t at = address.rfind('@');
    if (at == std::string_view::npos) return;
    out.Emit(prefix, "user:", address.substr(0, at));
    EmitHostTokens(out, prefix, address.substr(at + 1));
}

bool LooksLikeUrl(std::string_view chunk) noexcept {
    return StartsWithNoCase(chunk, "http://") || StartsWithNoCase(chunk, "https://") ||
           StartsWithNoCase(chunk, "ftp://") || StartsWithNoCase(chunk, "www.") || StartsWithNoCase(chunk, "mailto:");
}

void EmitUrlTokens(TokenWriter& out, std::string_view url) {
    url = TrimTrailingPunctuation(url);
    if (StartsWithNoCase(url, "mailto:")) {
        const std::string_view address = url.substr(7);
        out.Emit("url:mailto");
        EmitAddressTokens(out, "mailto:", address.substr(0, address.find('?')));
        return;
    }
    const std::size_t scheme_end = url.find("://");
    if (scheme_end != std::string_view::npos) {
        out.Emit("url:", url.substr(0, scheme_end));
        url.remove_prefix(scheme_end + 3);
    }
    const std::size_t authority_end = url.find_first_of("/?#\\");
    std::string_view authority = url.substr(0, authority_end);
    const std::string_view rest =
        authority_end == std::string_view::npos ? std::string_view() : url.substr(authority_end);
    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        out.Emit("url:userinfo");
        authority.remove_prefix(at + 1);
    }
    if (const std::size_t colon = authority.find(':'); colon != std::string_view::npos) {
        out.Emit("url:port");
        authority = authority.substr(0, colon);
    }
    bool plain_host = !authority.empty();
    for (const char c : authority) plain_host = plain_host && IsHostNameChar(static_cast<unsigned char>(c));
    if (plain_host) {
        EmitHostTokens(out, "url:", authority);
    } else {
        out.Emit("url:oddhost");
    }
    EmitPathWords(out, rest);
}

}  // namespace tarn::rules
