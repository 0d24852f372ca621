#include "dialogs/headless/dialog_script.h"

#include <charconv>
#include <map>

#include "platform/codepage.h"

namespace tarn::dialogs {

namespace {

struct Verb {
    UserAction::Kind kind;
    int words;           // after the verb, the last of which may be a text
    int fewest = words;  // a check box is ticked without naming an item
};

const std::map<std::string, Verb, std::less<>>& Verbs() {
    using Kind = UserAction::Kind;
    static const std::map<std::string, Verb, std::less<>> verbs = {
        {"type", {Kind::Type, 2}},     {"select", {Kind::Select, 3}}, {"press", {Kind::Press, 1}},
        {"key", {Kind::Key, 2}},       {"tick", {Kind::Tick, 2, 1}},  {"untick", {Kind::Untick, 2, 1}},
        {"choose", {Kind::Choose, 2}}, {"click", {Kind::Click, 2}},
    };
    return verbs;
}

// Splits a script into actions at ";" and line breaks outside quotes, and each action into
// words at spaces outside quotes; quotes are removed, "\"" inside them is a quote.
std::vector<std::vector<std::string>> Actions(std::string_view text) {
    std::vector<std::vector<std::string>> actions(1);
    std::string word;
    bool quoted = false;
    bool in_word = false;
    const auto end_word = [&] {
        if (in_word) actions.back().push_back(std::move(word));
        word.clear();
        in_word = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
                word += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = true;
            in_word = true;
        } else if (c == ';' || c == '\n' || c == '\r') {
            end_word();
            if (!actions.back().empty()) actions.emplace_back();
        } else if (c == ' ' || c == '\t') {
            end_word();
        } else {
            word += c;
            in_word = true;
        }
    }
    if (quoted) throw DialogScriptError("the dialog script has a quote that is never closed");
    end_word();
    if (actions.back().empty()) actions.pop_back();
    return actions;
}

int Number(const std::string& word, const std::string& action) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0) {
        throw DialogScriptError("\"" + action + "\": \"" + word + "\" is not a number");
    }
    return value;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

}  // namespace

DialogScript ParseDialogScript(std::string_view text) {
    DialogScript script;
    for (auto& words : Actions(text)) {
        const std::string action = Joined(words);
        const auto verb = Verbs().find(words.front());
        if (verb == Verbs().end()) {
            throw DialogScriptError("\"" + action +
                                    "\": no such action (type, select, press, key, tick, untick, choose, click)");
        }
        const auto [kind, count, fewest] = verb->second;
        UserAction parsed{kind, {}, {}, 0, 0};
        if (kind == UserAction::Kind::Type && words.size() >= 2) {
            // The text is all that follows the control, spaces kept between its words.
            std::vector<std::string> rest(words.begin() + 2, words.end());
            words.resize(2);
            words.push_back(Joined(rest));
        }
        if (words.size() < static_cast<std::size_t>(fewest) + 1 || words.size() > static_cast<std::size_t>(count) + 1) {
            throw DialogScriptError("\"" + action + "\": " + words.front() + " takes " + std::to_string(count) +
                                    (count == 1 ? " word" : " words"));
        }
        parsed.control = words[1];
        switch (kind) {
            case UserAction::Kind::Select:
                parsed.start = Number(words[2], action);
                parsed.length = Number(words[3], action);
                break;
            case UserAction::Kind::Click:
                parsed.start = Number(words[2], action);
                break;
            case UserAction::Kind::Press:
                break;
            default:
                if (words.size() > 2) parsed.text = platform::FromUtf8(words[2]);
                break;
        }
        script.push_back(std::move(parsed));
    }
    return script;
}

}  // namespace tarn::dialogs
