#include "rules/body_tokens.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "rules/address_tokens.h"
#include "rules/char_class.h"
#include "rules/text_match.h"
#include "rules/word_rules.h"

namespace tarn::rules {

namespace {

constexpr std::size_t MaxChunk = 256;  // the longest chunk kept in the buffer
constexpr std::size_t MaxTagLength = 4096;
constexpr std::size_t MaxAttributes = 16;
constexpr std::size_t MaxEntityName = 8;
constexpr std::size_t MinBodyWord = 3;
constexpr std::size_t MaxSmallValue = 4;
constexpr std::size_t MinLettersForShare = 40;

// Tags that mark up text inside a line: they do not end a word.
constexpr std::array<std::string_view, 13> InlineTags = {"a",    "b",     "i",   "u", "em",     "strong", "font",
                                                         "span", "small", "big", "s", "strike", "tt"};
// Tags that tell of the sender's intent: pictures, forms, programs, frames, blinking text.
// Other tags (tables, paragraphs, fonts) are as common in newsletters that were asked for as in
// spam, and so many in a message that they would outweigh its words.
constexpr std::array<std::string_view, 10> TellingTags = {"img",     "form",  "iframe", "script", "map",
                                                          "marquee", "blink", "base",   "object", "embed"};

// Walks the body once: text collects in chunks (runs between blanks and tags), which give
// words, URLs or addresses; tags, comments and entities are read where they start.
class BodyScanner {
public:
    BodyScanner(TokenWriter& out, std::string_view body) noexcept : out_(out), body_(body) {}

    void Run() {
        std::size_t at = 0;
        while (at < body_.size()) {
            const char c = body_[at];
            if (!HasFlag(static_cast<unsigned char>(c), char_flag::BodyStop)) {
                at = PlainText(at);
            } else if (c == '<') {
                at = Markup(at);
            } else if (c == '&') {
                at = Entity(at);
            } else {
                Flush();
                ++at;
            }
        }
        Flush();
        Totals();
    }

private:
    // The run of text from `at` up to the next markup, entity or blank joins the chunk; returns
    // where it ends.
    std::size_t PlainText(std::size_t at) noexcept {
        std::size_t letters = 0;
        std::size_t capitals = 0;
        std::size_t high = 0;
        std::uint16_t seen = 0;
        std::size_t end = at;
        for (; end < body_.size(); ++end) {
            const std::uint16_t flags = CharFlags[static_cast<unsigned char>(body_[end])];
            if ((flags & char_flag::BodyStop) != 0) break;
            letters += (flags & char_flag::Letter) != 0;
            capitals += (flags & char_flag::Upper) != 0;
            high += (flags & char_flag::High) != 0;
            seen |= flags;
        }
        letters_ += letters;
        capitals_ += capitals;
        high_ += high;
        marked_ = marked_ || (seen & char_flag::LinkMark) != 0;
        if (chunk_.empty()) {
            chunk_ = body_.substr(at, end - at);  // the usual chunk: one run of the body, read in place
        } else if (!copied_ && chunk_.data() + chunk_.size() == body_.data() + at) {
            chunk_ = std::string_view(chunk_.data(), chunk_.size() + end - at);
        } else {
            Copy(body_.substr(at, end - at));
        }
        return end;
    }

    // Appends to the chunk in its buffer, where it moves once something not in the body (an
    // entity's character) or after a gap (a comment) joins it.
    void Copy(std::string_view text) noexcept {
        if (!copied_) {
            const std::size_t kept = std::min(chunk_.size(), MaxChunk);
            if (kept > 0) std::memcpy(buffer_, chunk_.data(), kept);
            chunk_ = std::string_view(buffer_, kept);
            copied_ = true;
        }
        const std::size_t kept = std::min(text.size(), MaxChunk - chunk_.size());
        std::memcpy(buffer_ + chunk_.size(), text.data(), kept);
        chunk_ = std::string_view(buffer_, chunk_.size() + kept);
    }

    // One character of the text that an entity stands for.
    void Add(char c) noexcept {
        const std::uint16_t flags = CharFlags[static_cast<unsigned char>(c)];
        letters_ += (flags & char_flag::Letter) != 0;
        capitals_ += (flags & char_flag::Upper) != 0;
        high_ += (flags & char_flag::High) != 0;
        marked_ = marked_ || (flags & char_flag::LinkMark) != 0;
        Copy(std::string_view(&c, 1));
    }

    // The tokens of the chunk collected so far: a URL and the words before it, a mail address
    // and the words around it, or words.
    void Flush() {
        const std::string_view chunk = chunk_;
        const bool marked = marked_;
        chunk_ = {};
        copied_ = false;
        marked_ = false;
        if (!marked) {
            Words(chunk);
            return;
        }
        std::size_t url = chunk.find("://");
        if (url != std::string_view::npos) {
            while (url > 0 && IsAsciiLetter(static_cast<unsigned char>(chunk[url - 1]))) --url;
        } else {
            url = FindNoCase(chunk, 0, "www.");
        }
        if (url == std::string_view::npos && chunk.find('@') != std::string_view::npos) {
            Address(chunk);
            return;
        }
        Words(chunk.substr(0, url));
        if (url != std::string_view::npos) EmitUrlTokens(out_, chunk.substr(url));
    }

    void Words(std::string_view text) {
        ForEachRun(text, IsWordChar, [&](std::string_view word) {
            EmitWordToken(out_, "", word, MinBodyWord);
            return true;
        });
    }

    // A chunk with '@' in it: an address when a local part and a host with a dot surround it.
    void Address(std::string_view chunk) {
        const std::size_t at = chunk.find('@');
        std::size_t start = at;
        while (start > 0 && (IsWordChar(static_cast<unsigned char>(chunk[start - 1])) || chunk[start - 1] == '.' ||
                             chunk[start - 1] == '_' || chunk[start - 1] == '+')) {
            --start;
        }
        std::size_t end = at + 1;
        while (end < chunk.size() &&
               (IsAsciiAlnum(static_cast<unsigned char>(chunk[end])) || chunk[end] == '.' || chunk[end] == '-')) {
            ++end;
        }
        const std::string_view host = chunk.substr(at + 1, end - at - 1);
        if (start == at || host.find('.') == std::string_view::npos) {
            Words(chunk);
            return;
        }
        Words(chunk.substr(0, start));
        EmitAddressTokens(out_, "email:", chunk.substr(start, end - start));
        Words(chunk.substr(end));
    }

    // A comment, a tag or a declaration at `at`; a '<' that starts none of them ends a chunk.
    std::size_t Markup(std::size_t at) {
        if (body_.substr(at, 4) == "<!--") {
            out_.Emit("html:comment");
            const std::size_t end = body_.find("-->", at + 4);
            return end == std::string_view::npos ? body_.size() : end + 3;
        }
        const std::size_t after = Tag(at);
        if (after != at) return after;
        Flush();
        return at + 1;
    }

    // The end of the tag's '>' from `from`, outside quoted values; npos when there is none near.
    std::size_t TagEnd(std::size_t from) const noexcept {
        char quote = 0;
        const std::size_t limit = std::min(body_.size(), from + MaxTagLength);
        for (std::size_t i = from; i < limit; ++i) {
            const char c = body_[i];
            if (quote != 0) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return i;
            }
        }
        return std::string_view::npos;
    }

    // An opening or closing tag, or a declaration ("<!DOCTYPE", "<?xml"), at `at`: returns
    // where it ends, or `at` when the '<' starts none.
    std::size_t Tag(std::size_t at) {
        std::size_t i = at + 1;
        const bool closing = i < body_.size() && body_[i] == '/';
        if (closing) ++i;
        if (!closing && i < body_.size() && (body_[i] == '!' || body_[i] == '?')) {
            const std::size_t end = body_.find('>', i);
            if (end == std::string_view::npos) return at;
            Flush();
            out_.Emit("html:declaration");
            return end + 1;
        }
        const std::size_t name_start = i;
        while (i < body_.size() && IsAsciiAlnum(static_cast<unsigned char>(body_[i]))) ++i;
        const std::string_view name = body_.substr(name_start, i - name_start);
        if (name.empty() || !IsAsciiLetter(static_cast<unsigned char>(name[0]))) return at;
        if (i < body_.size() && !IsSpace(static_cast<unsigned char>(body_[i])) && body_[i] != '>' && body_[i] != '/') {
            return at;
        }
        const std::size_t end = TagEnd(i);
        if (end == std::string_view::npos) return at;
        ++tags_;
        if (!IsOneOf(name, InlineTags)) Flush();
        if (closing) return end + 1;
        if (IsOneOf(name, TellingTags)) out_.Emit("html:<", name);
        Attributes(name, body_.substr(i, end - i));
        if (EqualsNoCase(name, "script") || EqualsNoCase(name, "style")) {
            // Their content is program text, not text for the reader.
            const std::size_t close = FindNoCase(body_, end + 1, EqualsNoCase(name, "script") ? "</script" : "</style");
            if (close == std::string_view::npos) return body_.size();
            const std::size_t close_end = body_.find('>', close);
            return close_end == std::string_view::npos ? body_.size() : close_end + 1;
        }
        return end + 1;
    }

    // The attributes of an opening tag: name, '=', and a value quoted or not.
    void Attributes(std::string_view tag, std::string_view text) {
        std::size_t i = 0;
        std::size_t count = 0;
        while (i < text.size() && count < MaxAttributes) {
            while (i < text.size() && (IsSpace(static_cast<unsigned char>(text[i])) || text[i] == '/')) ++i;
            const std::size_t name_start = i;
            while (i < text.size() && !IsSpace(static_cast<unsigned char>(text[i])) && text[i] != '=' &&
                   text[i] != '/') {
                ++i;
            }
            const std::string_view name = text.substr(name_start, i - name_start);
            while (i < text.size() && IsSpace(static_cast<unsigned char>(text[i]))) ++i;
            std::string_view value;
            if (i < text.size() && text[i] == '=') {
                ++i;
                while (i < text.size() && IsSpace(static_cast<unsigned char>(text[i]))) ++i;
                if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
                    const std::size_t close = text.find(text[i], i + 1);
                    const std::size_t end = close == std::string_view::npos ? text.size() : close;
                    value = text.substr(i + 1, end - i - 1);
                    i = end + 1;
                } else {
                    const std::size_t start = i;
                    while (i < text.size() && !IsSpace(static_cast<unsigned char>(text[i]))) ++i;
                    value = text.substr(start, i - start);
                }
            }
            if (name.empty()) {
                ++i;
                continue;
            }
            Attribute(tag, name, TrimSpace(value));
            ++count;
        }
    }

    // The tokens of one attribute's value: links, colours, font faces, styles and short sizes.
    void Attribute(std::string_view tag, std::string_view name, std::string_view value) {
        if (EqualsNoCase(name, "href") || EqualsNoCase(name, "src") || EqualsNoCase(name, "action") ||
            EqualsNoCase(name, "background")) {
            if (LooksLikeUrl(value) || value.find("://") != std::string_view::npos) EmitUrlTokens(out_, value);
        } else if (EqualsNoCase(name, "color") || EqualsNoCase(name, "bgcolor") || EqualsNoCase(name, "text")) {
            out_.Emit("html:color:", value);
        } else if (EqualsNoCase(name, "face")) {
            out_.Emit("html:face:", TrimSpace(value.substr(0, value.find(','))));
        } else if (EqualsNoCase(name, "style")) {
            Style(value);
        } else if (value.size() <= MaxSmallValue && (EqualsNoCase(name, "size") || EqualsNoCase(name, "width") ||
                                                     EqualsNoCase(name, "height") || EqualsNoCase(name, "border"))) {
            out_.Emit("html:", tag, ".", name, "=", value);
        }
    }

    // "css:property:value" for each declaration of a style attribute.
    void Style(std::string_view style) {
        while (!style.empty()) {
            const std::size_t end = style.find(';');
            const std::string_view declaration = style.substr(0, end);
            const std::size_t colon = declaration.find(':');
            if (colon != std::string_view::npos) {
                out_.Emit("css:", TrimSpace(declaration.substr(0, colon)), ":",
                          TrimSpace(declaration.substr(colon + 1)));
            }
            if (end == std::string_view::npos) return;
            style.remove_prefix(end + 1);
        }
    }

    // An entity at `at` is read as the character it stands for; a '&' that starts none is text.
    std::size_t Entity(std::size_t at) {
        std::size_t i = at + 1;
        const bool numeric = i < body_.size() && body_[i] == '#';
        if (numeric) ++i;
        const bool hex = numeric && i < body_.size() && (body_[i] == 'x' || body_[i] == 'X');
        if (hex) ++i;
        const std::size_t start = i;
        while (i < body_.size() && i - start <= MaxEntityName && IsAsciiAlnum(static_cast<unsigned char>(body_[i]))) {
            ++i;
        }
        if (i == start || i >= body_.size() || body_[i] != ';' || i - start > MaxEntityName) {
            Add('&');
            return at + 1;
        }
        const std::string_view name = body_.substr(start, i - start);
        if (numeric) {
            out_.Emit("html:entity:numeric");
            Character(CodeOf(name, hex));
        } else {
            Named(name);
        }
        return i + 1;
    }

    static unsigned CodeOf(std::string_view digits, bool hex) noexcept {
        unsigned code = 0;
        for (const char c : digits) {
            const auto byte = static_cast<unsigned char>(c);
            const unsigned digit = IsDigit(byte) ? byte - '0' : hex ? (ToLower(c) - 'a' + 10u) : 100u;
            if (digit >= (hex ? 16u : 10u) || code > 0x10FFFF) return 0;
            code = code * (hex ? 16 : 10) + digit;
        }
        return code;
    }

    // A character given by its code: Latin-1 ones join the text (letters and digits spelled so
    // are a disguise of their own), curly apostrophes are apostrophes, the rest separate.
    void Character(unsigned code) {
        if (code < 256 && IsAsciiAlnum(static_cast<unsigned char>(code))) out_.Emit("html:entity:letter");
        if (code == 0x2018 || code == 0x2019) {
            Add('\'');
        } else if (code >= 0x21 && code < 256 && code != 0xA0 && (code < 0x7F || code > 0x9F)) {
            Add(static_cast<char>(code));
        } else {
            Flush();
        }
    }

    // A named entity: blanks and brackets separate, ampersands and apostrophes are themselves.
    void Named(std::string_view name) {
        if (EqualsNoCase(name, "nbsp") || EqualsNoCase(name, "lt") || EqualsNoCase(name, "gt") ||
            EqualsNoCase(name, "quot")) {
            Flush();
        } else if (EqualsNoCase(name, "amp")) {
            Add('&');
        } else if (EqualsNoCase(name, "apos") || EqualsNoCase(name, "rsquo") || EqualsNoCase(name, "lsquo")) {
            Add('\'');
        } else {
            // A named letter ("&eacute;") joins the word as an 8-bit character.
            out_.Emit("html:entity:", name);
            Add('\xBF');
        }
    }

    void Totals() {
        if (tags_ > 0) out_.Emit("body:html");
        if (letters_ >= MinLettersForShare) {
            out_.Emit("body:capitals:", Number{static_cast<unsigned>(capitals_ * 10 / letters_)});
        }
        if (high_ > 0) out_.Emit("body:8bit:", Number{static_cast<unsigned>(high_ * 10 / (letters_ + high_))});
        if (letters_ == 0 && high_ == 0) out_.Emit("body:noletters");
    }

    TokenWriter& out_;
    std::string_view body_;
    std::string_view chunk_;  // the text collected since the last blank or tag
    bool copied_ = false;     // chunk_ lies in buffer_
    char buffer_[MaxChunk] = {};
    bool marked_ = false;  // the chunk holds ':', '.' or '@', and may be a URL or an address
    std::size_t letters_ = 0;
    std::size_t capitals_ = 0;
    std::size_t high_ = 0;
    std::size_t tags_ = 0;
};

}  // namespace

void EmitBodyTokens(TokenWriter& out, std::string_view body) {
    BodyScanner(out, body).Run();
}

}  // namespace tarn::rules
