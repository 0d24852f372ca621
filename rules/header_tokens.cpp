#include "rules/header_tokens.h"

#include <array>

#include "rules/address_tokens.h"
#include "rules/char_class.h"
#include "rules/text_match.h"
#include "rules/word_rules.h"

namespace tarn::rules {

namespace {

constexpr std::size_t MaxFieldWords = 10;
constexpr std::size_t MaxFieldWordLength = 30;
constexpr std::size_t MaxNameWordLength = 20;
constexpr unsigned MaxAddressCount = 10;
constexpr std::size_t MaxShapeLength = 12;

// Fields that the recipient's own mail system adds on the way in: its relays, its virus and
// spam scanners, its delivery agent and its mail program. They are the same for the user's ham
// and spam, and in a training corpus they only tell which collection a message came from, so
// they give no token at all, not even their name.
constexpr std::array<std::string_view, 18> ReceivingSideFields = {
    "received",      "delivered-to",    "delivery-date",   "x-original-to",
    "x-envelope-to", "x-delivered-to",  "x-apparently-to", "x-mdaemon-deliver-to",
    "x-return-path", "x-virus-scanned", "x-sieve",         "x-mime-autoconverted",
    "status",        "x-status",        "x-keywords",      "x-uid",
    "x-mail-from",   "x-authentication-warning"};

// Whether the recipient's system added the field (see ReceivingSideFields); scanners' fields
// go by their family ("X-Spam-Status", "X-MailScanner-Information").
bool IsReceivingSideField(std::string_view name) noexcept {
    return IsOneOf(name, ReceivingSideFields) || StartsWithNoCase(name, "x-spam") ||
           (StartsWithNoCase(name, "x-") && FindNoCase(name, 0, "mailscanner") != std::string_view::npos);
}

// Fields of the sender's side whose values change with every message: dates, message
// references, sizes, signatures and pictures, and software versions, which age. Only their
// names count.
constexpr std::array<std::string_view, 12> SilentFields = {
    "x-original-date", "resent-date",        "x-originalarrivaltime", "references",
    "in-reply-to",     "thread-index",       "content-length",        "lines",
    "dkim-signature",  "domainkey-signature", "x-face",               "x-mailman-version"};

// The fields of a mailing list (List-Id, List-Post, X-BeenThere, Mailing-List...) name the
// list, which the user chose to read: only their names count, which say that it is list mail.
bool IsMailingListField(std::string_view name) noexcept {
    return StartsWithNoCase(name, "list-") || EqualsNoCase(name, "x-beenthere") || EqualsNoCase(name, "mailing-list") ||
           EqualsNoCase(name, "x-mailing-list") || EqualsNoCase(name, "x-loop");
}

constexpr std::array<std::string_view, 2> AuthorFields = {"from", "reply-to"};
// Set by the system that sent the message: a mailing list's server names the list in them.
constexpr std::array<std::string_view, 3> SendingSystemFields = {"sender", "return-path", "errors-to"};
constexpr std::array<std::string_view, 2> RecipientFields = {"to", "cc"};
constexpr std::array<std::string_view, 4> MailerFields = {"x-mailer", "user-agent", "x-mimeole", "x-newsreader"};

bool IsFieldWordChar(unsigned char c) noexcept {
    return !HasFlag(c, char_flag::Space | char_flag::Separator);
}

bool IsLocalPartChar(unsigned char c) noexcept {
    return HasFlag(c, char_flag::Letter | char_flag::Digit | char_flag::LocalMark);
}

// The charset of each encoded word ("=?charset?B?...?=") of a value, as "<prefix>encoded:charset".
void EmitEncodedWordCharsets(TokenWriter& out, std::string_view prefix, std::string_view value) {
    for (std::size_t at = value.find("=?"); at != std::string_view::npos; at = value.find("=?", at + 2)) {
        const std::size_t end = value.find('?', at + 2);
        if (end == std::string_view::npos) return;
        out.Emit(prefix, "encoded:", value.substr(at + 2, end - at - 2));
    }
}

// Whether a position of a value lies in an encoded word, which says nothing readable. Asked
// only of values that hold "=?".
bool InsideEncodedWord(std::string_view value, std::size_t position) noexcept {
    const std::size_t start = value.rfind("=?", position);
    if (start == std::string_view::npos) return false;
    const std::size_t end = value.find("?=", start + 2);
    return end != std::string_view::npos && position < end + 2;
}

constexpr std::size_t MaxSubjectTag = 32;

// Whether a position of a subject lies in a tag in brackets without blanks ("[ILUG]",
// "[SAtalk]"): mailing lists put their name there, and the lists are the user's own choice.
bool InsideSubjectTag(std::string_view value, std::size_t position) noexcept {
    const std::size_t open = value.rfind('[', position);
    if (open == std::string_view::npos) return false;
    const std::size_t close = value.find(']', open);
    if (close == std::string_view::npos || close < position || close - open > MaxSubjectTag) return false;
    const std::string_view tag = value.substr(open + 1, close - open - 1);
    return tag.find_first_of(" \t\r\n[") == std::string_view::npos;
}

void SubjectTokens(TokenWriter& out, std::string_view value) {
    EmitEncodedWordCharsets(out, "subject:", value);
    const bool encoded = value.find("=?") != std::string_view::npos;
    const bool tagged = value.find('[') != std::string_view::npos;
    std::size_t letters = 0;
    std::size_t capitals = 0;
    bool any_word = false;
    bool any_tag = false;
    ForEachRun(value, IsWordChar, [&](std::string_view word) {
        const auto position = static_cast<std::size_t>(word.data() - value.data());
        if (encoded && InsideEncodedWord(value, position)) return true;
        if (tagged && InsideSubjectTag(value, position)) {
            if (!any_tag) out.Emit("subject:tag");
            any_tag = true;
            return true;
        }
        for (const char c : word) {
            letters += IsAsciiLetter(static_cast<unsigned char>(c)) ? 1 : 0;
            capitals += IsUpper(static_cast<unsigned char>(c)) ? 1 : 0;
        }
        any_word = true;
        EmitWordToken(out, "subject:", word, 2);
        return true;
    });
    ForEachRun(
        value, [](unsigned char c) { return c == '!' || c == '?' || c == '$' || c == '*'; },
        [&](std::string_view run) {
            if (encoded && InsideEncodedWord(value, static_cast<std::size_t>(run.data() - value.data()))) return true;
            out.Emit("subject:", run.substr(0, 4));
            return true;
        });
    if (!any_word) out.Emit("subject:none");
    if (letters >= 6 && capitals * 10 >= letters * 6) out.Emit("subject:capitals");
}

// The addresses of an address field's value, by `use(address)`; returns how many.
template <class Use>
unsigned ForEachAddress(std::string_view value, Use use) {
    unsigned addresses = 0;
    for (std::size_t at = value.find('@'); at != std::string_view::npos; at = value.find('@', at + 1)) {
        std::size_t start = at;
        while (start > 0 && IsLocalPartChar(static_cast<unsigned char>(value[start - 1]))) --start;
        std::size_t end = at + 1;
        while (end < value.size() && IsHostNameChar(static_cast<unsigned char>(value[end]))) ++end;
        if (start == at || end == at + 1) continue;
        use(value.substr(start, end - start));
        ++addresses;
    }
    return addresses;
}

// The words of the display names of an address field's value, by `use(word)`: letters outside
// <...>, addresses and encoded words; returns whether there was one.
template <class Use>
bool ForEachNameWord(std::string_view value, Use use) {
    const bool encoded = value.find("=?") != std::string_view::npos;
    bool any_name = false;
    int angle = 0;
    std::size_t i = 0;
    while (i < value.size()) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (c == '<') ++angle;
        if (c == '>' && angle > 0) --angle;
        if (angle > 0 || !(IsAsciiLetter(c) || IsHighBit(c))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < value.size() && IsWordChar(static_cast<unsigned char>(value[end]))) ++end;
        const bool part_of_address = (end < value.size() && value[end] == '@') || (i > 0 && value[i - 1] == '@') ||
                                     (i > 0 && value[i - 1] == '.') || (encoded && InsideEncodedWord(value, i));
        const std::string_view word = value.substr(i, end - i);
        if (!part_of_address && word.size() >= 2 && word.size() <= MaxNameWordLength) {
            use(word);
            any_name = true;
        }
        i = end;
    }
    return any_name;
}

// The prefix of an address field's tokens: its lowered name and ':'.
class FieldPrefix {
public:
    explicit FieldPrefix(std::string_view field) noexcept : length_(field.copy(text_, sizeof text_ - 1)) {
        text_[length_++] = ':';
    }
    std::string_view Text() const noexcept { return {text_, length_}; }

private:
    char text_[24];
    std::size_t length_;
};

// The author's field: each address (local part and host), the words of the names around them.
void AuthorFieldTokens(TokenWriter& out, std::string_view field, std::string_view value) {
    const FieldPrefix prefix(field);
    EmitEncodedWordCharsets(out, prefix.Text(), value);
    const unsigned addresses =
        ForEachAddress(value, [&](std::string_view address) { EmitAddressTokens(out, prefix.Text(), address); });
    if (addresses == 0) out.Emit(prefix.Text(), "noaddress");
    const bool named = ForEachNameWord(value, [&](std::string_view word) { out.Emit(prefix.Text(), "name:", word); });
    if (!named) out.Emit(prefix.Text(), "noname");
}

// A field of the sending system: the hosts of its addresses. Their local parts and names
// name a mailing list as often as an author, and the lists are the user's own choice.
void SendingSystemFieldTokens(TokenWriter& out, std::string_view field, std::string_view value) {
    const FieldPrefix prefix(field);
    const unsigned addresses = ForEachAddress(value, [&](std::string_view address) {
        EmitHostTokens(out, prefix.Text(), address.substr(address.find('@') + 1));
    });
    if (addresses == 0) out.Emit(prefix.Text(), "noaddress");
}

// A recipients' field: only how the sender addressed them (how many, named or not). The
// addresses and names are the user's own, the same in ham and spam.
void RecipientFieldTokens(TokenWriter& out, std::string_view field, std::string_view value) {
    const FieldPrefix prefix(field);
    EmitEncodedWordCharsets(out, prefix.Text(), value);
    const unsigned addresses = ForEachAddress(value, [](std::string_view) {});
    if (addresses == 0) out.Emit(prefix.Text(), "noaddress");
    out.Emit(prefix.Text(), "count:", Number{std::min(addresses, MaxAddressCount)});
    const bool named = ForEachNameWord(value, [](std::string_view) {});
    out.Emit(prefix.Text(), named ? "named" : "noname");
}

// The character classes of a text, runs of one class written once: digits '9', small letters
// 'a', capitals '^', 8-bit characters '8', others themselves: "9a^.9a" for "0103cDD.88dd".
void EmitShape(TokenWriter& out, std::string_view prefix, std::string_view text) {
    char shape[MaxShapeLength];
    std::size_t length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char kind = IsDigit(byte)         ? '9'
                          : IsUpper(byte)       ? '^'
                          : IsAsciiLetter(byte) ? 'a'
                          : IsHighBit(byte)     ? '8'
                                                : c;
        if (length > 0 && shape[length - 1] == kind) continue;
        if (length == MaxShapeLength) break;
        shape[length++] = kind;
    }
    out.Emit(prefix, std::string_view(shape, length));
}

void MessageIdTokens(TokenWriter& out, std::string_view value) {
    const std::size_t open = value.find('<');
    if (open != std::string_view::npos) value.remove_prefix(open + 1);
    value = value.substr(0, value.find('>'));
    const std::size_t at = value.rfind('@');
    if (at == std::string_view::npos) {
        out.Emit("message-id:noat");
        return;
    }
    EmitShape(out, "message-id:shape:", value.substr(0, at));
}

std::string_view Unquoted(std::string_view text) noexcept {
    text = TrimSpace(text);
    if (!text.empty() && (text.front() == '"' || text.front() == '\'')) text.remove_prefix(1);
    const std::size_t end = text.find_first_of("\"'; \t\r\n");
    return text.substr(0, end);
}

void ContentTypeTokens(TokenWriter& out, std::string_view value) {
    out.Emit("content-type:", TrimSpace(value.substr(0, value.find(';'))));
    for (std::size_t i = 0; i + 8 <= value.size(); ++i) {
        if (StartsWithNoCase(value.substr(i), "charset=")) {
            out.Emit("charset:", Unquoted(value.substr(i + 8)));
            return;
        }
    }
}

void DateTokens(TokenWriter& out, std::string_view value) {
    ForEachRun(
        value, [](unsigned char c) { return !IsSpace(c); },
        [&](std::string_view word) {
            const bool numeric_zone = word.size() == 5 && (word[0] == '+' || word[0] == '-');
            if (numeric_zone) out.Emit("date:zone:", word);
            return !numeric_zone;
        });
}

void FieldWords(TokenWriter& out, std::string_view field, std::string_view value) {
    std::size_t words = 0;
    ForEachRun(value, IsFieldWordChar, [&](std::string_view word) {
        if (word.size() >= 2 && word.size() <= MaxFieldWordLength) {
            out.Emit(field, ":", word);
            ++words;
        }
        return words < MaxFieldWords;
    });
}

}  // namespace

void EmitHeaderFieldTokens(TokenWriter& out, std::string_view name, std::string_view value) {
    if (IsReceivingSideField(name)) return;
    out.Emit("header:", name);
    if (EqualsNoCase(name, "subject")) {
        SubjectTokens(out, value);
    } else if (IsOneOf(name, AuthorFields)) {
        AuthorFieldTokens(out, name, value);
    } else if (IsOneOf(name, SendingSystemFields)) {
        SendingSystemFieldTokens(out, name, value);
    } else if (IsOneOf(name, RecipientFields)) {
        RecipientFieldTokens(out, name, value);
    } else if (EqualsNoCase(name, "message-id")) {
        MessageIdTokens(out, value);
    } else if (EqualsNoCase(name, "content-type")) {
        ContentTypeTokens(out, value);
    } else if (EqualsNoCase(name, "date")) {
        DateTokens(out, value);
    } else if (IsOneOf(name, MailerFields)) {
        out.Emit(name, ":", TrimSpace(value));
        FieldWords(out, name, value);
    } else if (!IsOneOf(name, SilentFields) && !StartsWithNoCase(name, "x-spam") && !IsMailingListField(name)) {
        FieldWords(out, name, value);
    }
}

}  // namespace tarn::rules
