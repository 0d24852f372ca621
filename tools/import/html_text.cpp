#include "tools/import/html_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

#include "tools/import/html_entities.h"

namespace tarn::tools::import {

namespace {

constexpr std::array<std::string_view, 4> HiddenElements = {"script", "style", "title", "xml"};
constexpr std::array<std::string_view, 12> ParagraphElements = {
    "p", "h1", "h2", "h3", "h4", "h5", "h6", "blockquote", "table", "ul", "ol", "dl"};
constexpr std::array<std::string_view, 20> LineElements = {
    "div",    "tr",     "li",     "dt",     "dd",   "address", "center", "form",    "section", "article",
    "header", "footer", "nav",    "aside",  "main", "figure",  "caption", "fieldset", "hr",     "pre"};
constexpr std::array<std::string_view, 2> CellElements = {"td", "th"};
constexpr std::array<std::string_view, 4> LinkSchemes = {"http:", "https:", "ftp:", "mailto:"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsHtmlSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f'; }
bool IsLetter(char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; }

std::string AsciiLowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsHtmlSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsHtmlSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Text as it is laid out: white space and line breaks owed are written only when more text
// follows them, so that no run of markup leaves more than the breaks it asked for.
class TextLayout {
public:
    void Write(std::string_view text) {
        if (text.empty()) return;
        const int owed = pending_breaks_ - TrailingBreaks();
        if (!out_.empty() && owed > 0) {
            out_.append(static_cast<std::size_t>(owed), '\n');
        } else if (pending_space_ && !out_.empty() && out_.back() != '\n' && out_.back() != ' ') {
            out_.push_back(' ');
        }
        pending_breaks_ = 0;
        pending_space_ = false;
        out_.append(text);
    }
    // Preformatted text: every character as it is, lines included.
    void WriteVerbatim(std::string_view text) {
        for (const char ch : text) {
            if (ch == '\r') continue;
            Write(std::string_view(&ch, 1));
        }
    }
    void Space() { pending_space_ = true; }
    void Breaks(int count) { pending_breaks_ = std::max(pending_breaks_, count); }
    void LineBreak() {
        Write("\n");
        pending_space_ = false;
    }
    std::size_t Size() const { return out_.size(); }
    std::string_view Since(std::size_t position) const { return std::string_view(out_).substr(position); }

    std::string Finish() && {
        const auto first = out_.find_first_not_of(" \n");
        if (first == std::string::npos) return {};
        const auto last = out_.find_last_not_of(" \n");
        return out_.substr(first, last - first + 1);
    }

private:
    int TrailingBreaks() const {
        const auto last = out_.find_last_not_of('\n');
        return static_cast<int>(last == std::string::npos ? out_.size() : out_.size() - last - 1);
    }

    std::string out_;
    int pending_breaks_ = 0;
    bool pending_space_ = false;
};

struct Tag {
    std::string name;  // lowercase
    bool closing = false;
    bool self_closing = false;
    std::optional<std::string> href;
    std::size_t end = 0;  // just past the '>'
};

class HtmlReader {
public:
    explicit HtmlReader(std::string_view html) : html_(html), lower_(AsciiLowercase(html)) {}

    std::string Text() && {
        while (pos_ < html_.size()) {
            if (html_[pos_] == '<') {
                ReadMarkup();
            } else {
                ReadText();
            }
        }
        CloseLink();
        return std::move(layout_).Finish();
    }

private:
    void ReadText() {
        const std::size_t end = std::min(html_.find('<', pos_), html_.size());
        while (pos_ < end) {
            const char ch = html_[pos_];
            if (ch == '&') {
                if (const auto reference = ReadCharacterReference(html_, pos_, ReferenceContext::Text)) {
                    WriteText(reference->utf8);
                    pos_ += reference->length;
                    continue;
                }
            }
            if (IsHtmlSpace(ch) && preformatted_ == 0) {
                layout_.Space();
                ++pos_;
                continue;
            }
            std::size_t run_end = pos_ + 1;
            while (run_end < end && html_[run_end] != '&' && !IsHtmlSpace(html_[run_end])) ++run_end;
            WriteText(html_.substr(pos_, run_end - pos_));
            pos_ = run_end;
        }
    }

    void WriteText(std::string_view text) {
        if (preformatted_ > 0) {
            layout_.WriteVerbatim(text);
        } else {
            layout_.Write(text);
        }
    }

    void ReadMarkup() {
        const std::string_view rest = std::string_view(lower_).substr(pos_);
        if (rest.starts_with("<!--")) {
            SkipPast("-->", pos_ + 4);
        } else if (rest.starts_with("<!") || rest.starts_with("<?")) {
            SkipPast(">", pos_ + 2);
        } else if (rest.size() > 1 && (IsLetter(rest[1]) || (rest[1] == '/' && rest.size() > 2 && IsLetter(rest[2])))) {
            const auto tag = ReadTag();
            pos_ = tag ? tag->end : html_.size();  // a tag the document never closes ends it
            if (tag) Apply(*tag);
        } else {
            WriteText("<");
            ++pos_;
        }
    }

    void SkipPast(std::string_view marker, std::size_t from) {
        const auto found = lower_.find(marker, from);
        pos_ = found == std::string::npos ? html_.size() : found + marker.size();
    }

    std::optional<Tag> ReadTag() {
        Tag tag;
        std::size_t at = pos_ + 1;
        if (lower_[at] == '/') {
            tag.closing = true;
            ++at;
        }
        const std::size_t name_start = at;
        while (at < lower_.size() && !IsHtmlSpace(lower_[at]) && lower_[at] != '/' && lower_[at] != '>') ++at;
        tag.name = lower_.substr(name_start, at - name_start);
        while (at < lower_.size()) {
            const char ch = lower_[at];
            if (ch == '>') {
                tag.self_closing = lower_[at - 1] == '/';
                tag.end = at + 1;
                return tag;
            }
            if (IsHtmlSpace(ch) || ch == '/') {
                ++at;
                continue;
            }
            if (!ReadAttribute(at, tag)) return std::nullopt;
        }
        return std::nullopt;
    }

    // One attribute from `at`; false when the document ends inside it.
    bool ReadAttribute(std::size_t& at, Tag& tag) {
        const std::size_t name_start = at;
        while (at < lower_.size() && !IsHtmlSpace(lower_[at]) && lower_[at] != '/' && lower_[at] != '>' &&
               (lower_[at] != '=' || at == name_start)) {
            ++at;
        }
        const std::string_view name = std::string_view(lower_).substr(name_start, at - name_start);
        std::size_t look = at;
        while (look < lower_.size() && IsHtmlSpace(lower_[look])) ++look;
        if (look >= lower_.size() || lower_[look] != '=') return at < lower_.size();
        at = look + 1;
        while (at < lower_.size() && IsHtmlSpace(lower_[at])) ++at;
        if (at >= lower_.size()) return false;
        std::size_t value_start = at;
        std::size_t value_end = 0;
        if (lower_[at] == '"' || lower_[at] == '\'') {
            value_end = lower_.find(lower_[at], at + 1);
            if (value_end == std::string::npos) return false;
            ++value_start;
            at = value_end + 1;
        } else {
            while (at < lower_.size() && !IsHtmlSpace(lower_[at]) && lower_[at] != '>') ++at;
            value_end = at;
        }
        if (name == "href") tag.href = DecodeAttribute(html_.substr(value_start, value_end - value_start));
        return true;
    }

    static std::string DecodeAttribute(std::string_view raw) {
        std::string value;
        for (std::size_t i = 0; i < raw.size();) {
            const auto reference = raw[i] == '&' ? ReadCharacterReference(raw, i, ReferenceContext::Attribute)
                                                 : std::nullopt;
            if (reference) {
                value += reference->utf8;
                i += reference->length;
            } else {
                value += raw[i++];
            }
        }
        return std::string(Trimmed(value));
    }

    void Apply(const Tag& tag) {
        if (!tag.closing && !tag.self_closing && IsOneOf(tag.name, HiddenElements)) {
            SkipPast(">", SkipTarget(tag.name));
            return;
        }
        if (tag.name == "br") {
            layout_.LineBreak();
        } else if (IsOneOf(tag.name, ParagraphElements)) {
            layout_.Breaks(2);
        } else if (IsOneOf(tag.name, LineElements)) {
            layout_.Breaks(1);
        } else if (IsOneOf(tag.name, CellElements)) {
            layout_.Space();
        } else if (tag.name == "a") {
            CloseLink();
            if (!tag.closing && tag.href) OpenLink(*tag.href);
        }
        if (tag.name == "pre" && !tag.self_closing) {
            preformatted_ = tag.closing ? std::max(preformatted_ - 1, 0) : preformatted_ + 1;
        }
    }

    // Where the element's content ends: at its closing tag, or at the end of the document.
    std::size_t SkipTarget(const std::string& name) const {
        const auto close = lower_.find("</" + name, pos_);
        return close == std::string::npos ? lower_.size() : close;
    }

    void OpenLink(std::string href) {
        const std::string scheme_probe = AsciiLowercase(href.substr(0, 8));
        const bool shown = std::any_of(LinkSchemes.begin(), LinkSchemes.end(), [&](std::string_view scheme) {
            return std::string_view(scheme_probe).starts_with(scheme);
        });
        if (!shown) return;
        link_ = std::move(href);
        link_text_start_ = layout_.Size();
    }

    void CloseLink() {
        if (!link_) return;
        if (Trimmed(layout_.Since(link_text_start_)) != *link_) {
            layout_.Space();
            layout_.Write("<" + *link_ + ">");
        }
        link_.reset();
    }

    std::string_view html_;
    std::string lower_;  // the document with ASCII letters lowercased, for finding markup
    std::size_t pos_ = 0;
    int preformatted_ = 0;
    std::optional<std::string> link_;
    std::size_t link_text_start_ = 0;
    TextLayout layout_;
};

}  // namespace

std::string HtmlToText(std::string_view html) { return HtmlReader(html).Text(); }

}  // namespace tarn::tools::import
