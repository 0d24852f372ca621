#include "screening/text_pattern.h"

#include <pcre2.h>

#include <map>
#include <mutex>

namespace tarn::screening {

namespace {

// Blank, tab, LF, CR and form feed, written for the inside of a character class.
constexpr std::string_view DialectSpaces = "\\t\\n\\f\\r ";

bool IsPatternWhitespace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v';
}

struct Options {
    std::uint32_t compile = 0;
    bool extended = false;
};

// "xis-m": letters before the minus are switched on, letters after it off.
Options ParseModifiers(std::string_view modifiers) {
    Options options;
    bool on = true;
    for (const char letter : modifiers) {
        std::uint32_t flag = 0;
        switch (letter) {
            case '-': on = false; continue;
            case 'i': flag = PCRE2_CASELESS; break;
            case 's': flag = PCRE2_DOTALL; break;
            case 'm': flag = PCRE2_MULTILINE; break;
            case 'x': options.extended = on; continue;
            default: throw PatternError("unknown pattern modifier '" + std::string(1, letter) + "'");
        }
        options.compile = on ? (options.compile | flag) : (options.compile & ~flag);
    }
    return options;
}

std::string EngineMessage(int code) {
    PCRE2_UCHAR buffer[256];
    pcre2_get_error_message(code, buffer, sizeof buffer);
    return std::string(reinterpret_cast<const char*>(buffer));
}

struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

// One match block per thread: a match needs only the span of the whole match.
pcre2_match_data* ThreadMatchData() {
    thread_local std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(pcre2_match_data_create(1, nullptr));
    return data.get();
}

}  // namespace

std::string TranslatePattern(std::string_view pattern, bool extended) {
    std::string out;
    out.reserve(pattern.size() + 16);
    bool in_class = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char ch = pattern[i];
        if (ch == '\\' && i + 1 < pattern.size()) {
            const char escaped = pattern[++i];
            if (escaped == 's') {
                out += in_class ? std::string(DialectSpaces) : "[" + std::string(DialectSpaces) + "]";
            } else if (escaped == 'S' && !in_class) {
                out += "[^" + std::string(DialectSpaces) + "]";
            } else if (escaped == 'u') {
                out += 'u';
            } else {
                out += '\\';
                out += escaped;
            }
            continue;
        }
        if (in_class) {
            if (ch == ']') in_class = false;
            out += ch;
            continue;
        }
        if (ch == '[') {
            in_class = true;
            out += ch;
            // A ']' right after '[' or '[^' is a member of the class, not its end.
            if (i + 1 < pattern.size() && pattern[i + 1] == '^') out += pattern[++i];
            if (i + 1 < pattern.size() && pattern[i + 1] == ']') out += pattern[++i];
            continue;
        }
        if (extended && IsPatternWhitespace(ch)) continue;
        out += ch;
    }
    return out;
}

struct TextPattern::Compiled {
    pcre2_code* code = nullptr;
    ~Compiled() { pcre2_code_free(code); }
};

TextPattern::TextPattern(std::unique_ptr<Compiled> compiled) : compiled_(std::move(compiled)) {}
TextPattern::~TextPattern() = default;

const TextPattern& TextPattern::Get(std::string_view pattern, std::string_view modifiers) {
    static std::mutex guard;
    static std::map<std::pair<std::string, std::string>, std::unique_ptr<TextPattern>, std::less<>> cache;

    const std::lock_guard lock(guard);
    auto key = std::make_pair(std::string(modifiers), std::string(pattern));
    if (const auto found = cache.find(key); found != cache.end()) return *found->second;

    const Options options = ParseModifiers(modifiers);
    const std::string translated = TranslatePattern(pattern, options.extended);
    int error = 0;
    PCRE2_SIZE offset = 0;
    auto compiled = std::make_unique<Compiled>();
    compiled->code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(),
                                   options.compile, &error, &offset, nullptr);
    if (compiled->code == nullptr) {
        throw PatternError("pattern \"" + std::string(pattern) + "\" at offset " + std::to_string(offset) + ": " +
                           EngineMessage(error));
    }
    // Without JIT support the interpreter serves the same matches, only slower.
    pcre2_jit_compile(compiled->code, PCRE2_JIT_COMPLETE);

    auto& slot = cache[std::move(key)];
    slot.reset(new TextPattern(std::move(compiled)));
    return *slot;
}

std::optional<MatchSpan> TextPattern::Find(std::string_view text, std::size_t from) const {
    if (from > text.size()) return std::nullopt;
    pcre2_match_data* data = ThreadMatchData();
    const int result = pcre2_match(compiled_->code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), from, 0,
                                   data, nullptr);
    if (result == PCRE2_ERROR_NOMATCH) return std::nullopt;
    // 0 means the match block holds fewer pairs than the pattern has groups: the whole match
    // is still there, and it is all a search needs.
    if (result < 0) throw PatternError("pattern match failed: " + EngineMessage(result));
    const PCRE2_SIZE* span = pcre2_get_ovector_pointer(data);
    return MatchSpan{span[0], span[1]};
}

std::size_t TextPattern::CountMatches(std::string_view text) const {
    std::size_t count = 0;
    ForEachMatch(text, [&count](const MatchSpan&) { ++count; });
    return count;
}

}  // namespace tarn::screening
