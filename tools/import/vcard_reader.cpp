#include "tools/import/vcard_reader.h"

#include <fstream>
#include <iterator>

namespace tarn::tools::import {

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& ch : upper) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return upper;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// The logical lines of the text, with their first physical line numbers: a line that starts
// with a blank or a tab continues the one before.
std::vector<std::pair<std::size_t, std::string>> UnfoldedLines(std::string_view text) {
    std::vector<std::pair<std::size_t, std::string>> lines;
    std::size_t number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number;
        if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !lines.empty()) {
            lines.back().second += line.substr(1);
        } else {
            lines.emplace_back(number, std::string(line));
        }
        if (end == text.size()) break;
        start = end + 1;
    }
    return lines;
}

[[noreturn]] void Fail(std::size_t line, const std::string& what) {
    throw VCardError("line " + std::to_string(line) + ": " + what);
}

}  // namespace

std::vector<VCardContact> ParseVCards(std::string_view text) {
    std::vector<VCardContact> cards;
    bool in_card = false;
    std::size_t card_line = 0;
    for (const auto& [number, line] : UnfoldedLines(text)) {
        if (Trimmed(line).empty()) continue;
        const auto colon = line.find(':');
        if (colon == std::string::npos) {
            if (in_card) continue;  // a value of some other property spilled over; not ours
            Fail(number, "this is not part of a vCard (no BEGIN:VCARD before it)");
        }
        std::string name = Upper(line.substr(0, colon));
        const std::string value = Trimmed(line.substr(colon + 1));
        if (const auto parameters = name.find(';'); parameters != std::string::npos) name.resize(parameters);
        if (const auto group = name.rfind('.'); group != std::string::npos) name.erase(0, group + 1);
        if (name == "BEGIN" && Upper(value) == "VCARD") {
            if (in_card) Fail(number, "a vCard begins inside the one that began on line " + std::to_string(card_line));
            in_card = true;
            card_line = number;
            cards.emplace_back();
        } else if (name == "END" && Upper(value) == "VCARD") {
            if (!in_card) Fail(number, "END:VCARD without a BEGIN:VCARD");
            in_card = false;
        } else if (!in_card) {
            Fail(number, "this is not part of a vCard (no BEGIN:VCARD before it)");
        } else if (name == "FN") {
            cards.back().name = value;
        } else if (name == "EMAIL" && !value.empty()) {
            // vCard 4 may write the address as a URI.
            const bool uri = Upper(value.substr(0, 7)) == "MAILTO:";
            cards.back().emails.push_back(uri ? value.substr(7) : value);
        }
    }
    if (in_card) Fail(card_line, "this vCard never ends (no END:VCARD)");
    return cards;
}

std::vector<VCardContact> ReadVCardFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw VCardError("cannot be opened");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw VCardError("cannot be read");
    return ParseVCards(text);
}

}  // namespace tarn::tools::import
