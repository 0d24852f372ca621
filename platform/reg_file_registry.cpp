#include "platform/reg_file_registry.h"

#include <algorithm>
#include <cstdio>

#include "platform/files.h"
#include "platform/text_compare.h"
#include "platform/text_file.h"
#include "platform/text_lines.h"

namespace tarn::platform {

namespace {

constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view OldHeader = "REGEDIT4";
constexpr std::string_view UserRoot = "HKEY_CURRENT_USER\\";

bool SameName(std::string_view left, std::string_view right) {
    return CompareTextIgnoreCase(left, right) == 0;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string FullPath(std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(UserRoot) + std::string(path);
}

class LineParser {
public:
    LineParser(std::string_view line, std::size_t number) : rest_(line), number_(number) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw RegistryError("line " + std::to_string(number_) + ": " + what);
    }

    // A quoted string with \\ and \" escapes.
    std::string Quoted() {
        if (rest_.empty() || rest_.front() != '"') Fail("a quoted name or string was expected");
        std::string text;
        for (std::size_t i = 1; i < rest_.size(); ++i) {
            if (rest_[i] == '\\' && i + 1 < rest_.size()) {
                text += rest_[++i];
            } else if (rest_[i] == '"') {
                rest_.remove_prefix(i + 1);
                return text;
            } else {
                text += rest_[i];
            }
        }
        Fail("a quoted text is not closed");
    }

    bool Take(std::string_view prefix) {
        if (rest_.substr(0, prefix.size()) != prefix) return false;
        rest_.remove_prefix(prefix.size());
        return true;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
    std::size_t number_;
};

RegFileRegistry::NamedValue ParseValue(std::string_view line, std::size_t number) {
    LineParser parser(line, number);
    RegFileRegistry::NamedValue named;
    if (!parser.Take("@")) named.name = parser.Quoted();
    if (!parser.Take("=")) parser.Fail("'=' was expected after the value name");
    const std::string_view data = Trim(parser.Rest());
    if (data == "-") parser.Fail("deleting a value is not kept by this registry");
    if (!data.empty() && data.front() == '"') {
        LineParser text(data, number);
        named.value.text = text.Quoted();
        if (!Trim(text.Rest()).empty()) parser.Fail("unexpected text after the string");
    } else if (data.substr(0, 6) == "dword:") {
        const std::string_view digits = data.substr(6);
        if (digits.empty() || digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
            parser.Fail("a number value needs one to eight hexadecimal digits");
        }
        named.value.type = RegistryValue::Type::Number;
        named.value.number = static_cast<std::uint32_t>(std::stoul(std::string(digits), nullptr, 16));
    } else if (data.substr(0, 4) == "hex:" || data.substr(0, 4) == "hex(") {
        // Written back, a final backslash would join the next line to this value.
        if (data.back() == '\\') parser.Fail("the data ends with a line continuation and nothing follows it");
        named.value.type = RegistryValue::Type::Other;
        named.raw = std::string(data);
    } else {
        parser.Fail("unknown value data");
    }
    return named;
}

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '\\' || ch == '"') quoted += '\\';
        quoted += ch;
    }
    return quoted + '"';
}

struct NumberedLine {
    std::string text;
    std::size_t number;
};

// A line ending with a backslash continues on the next one (long hexadecimal data does).
std::vector<NumberedLine> JoinContinuedLines(const std::vector<std::string>& lines) {
    std::vector<NumberedLine> joined;
    bool continuing = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (continuing) joined.back().text += line;
        else joined.push_back({std::string(line), i + 1});
        auto& text = joined.back().text;
        continuing = !text.empty() && text.back() == '\\';
        if (continuing) text.pop_back();
    }
    return joined;
}

}  // namespace

std::vector<RegFileRegistry::Key> ParseRegFile(std::string_view bytes) {
    const std::string text = DecodeTextFile(bytes);
    // The lines would end at it, and what follows would be lost when the file is written again.
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
        throw RegistryError("a NUL byte at offset " + std::to_string(nul) + ": not a registry text file");
    }
    const auto lines = JoinContinuedLines(SplitLines(text));
    std::vector<RegFileRegistry::Key> keys;
    bool header_seen = false;
    for (const auto& [text_line, number] : lines) {
        const std::string_view line = text_line;
        if (line.empty() || line.front() == ';') continue;
        if (!header_seen) {
            if (line != Header && line != OldHeader) {
                throw RegistryError("line " + std::to_string(number) + ": not a registry file (\"" + std::string(Header) +
                                    "\" was expected)");
            }
            header_seen = true;
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') LineParser(line, number).Fail("a key line must end with ']'");
            const std::string_view path = line.substr(1, line.size() - 2);
            if (path.starts_with('-')) LineParser(line, number).Fail("deleting a key is not kept by this registry");
            keys.push_back({std::string(path), {}});
            continue;
        }
        if (keys.empty()) LineParser(line, number).Fail("a value comes before any key");
        auto value = ParseValue(line, number);
        auto& values = keys.back().values;
        const auto same = std::find_if(values.begin(), values.end(), [&](const auto& v) { return SameName(v.name, value.name); });
        if (same != values.end()) *same = std::move(value);
        else values.push_back(std::move(value));
    }
    return keys;
}

std::string FormatRegFile(const std::vector<RegFileRegistry::Key>& keys) {
    std::string text = std::string(Header) + "\r\n\r\n";
    for (const auto& key : keys) {
        text += "[" + key.path + "]\r\n";
        for (const auto& named : key.values) {
            text += named.name.empty() ? std::string("@") : Quote(named.name);
            text += '=';
            switch (named.value.type) {
                case RegistryValue::Type::String: text += Quote(named.value.text); break;
                case RegistryValue::Type::Number: {
                    char digits[16];
                    std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(named.value.number));
                    text += digits;
                    break;
                }
                case RegistryValue::Type::Other: text += named.raw; break;
            }
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

class RegFileKey final : public RegistryKey {
public:
    RegFileKey(RegFileRegistry& registry, std::string path) : registry_(registry), path_(std::move(path)) {}

    std::optional<RegistryValue> Read(std::string_view name) override {
        const auto* key = registry_.Find(path_);
        if (key == nullptr) return std::nullopt;
        for (const auto& named : key->values) {
            if (SameName(named.name, name)) return named.value;
        }
        return std::nullopt;
    }

    void WriteString(std::string_view name, std::string_view text) override {
        RegistryValue value;
        value.text = std::string(text);
        Store(name, std::move(value));
    }

    void WriteNumber(std::string_view name, std::uint32_t number) override {
        RegistryValue value;
        value.type = RegistryValue::Type::Number;
        value.number = number;
        Store(name, std::move(value));
    }

    void DeleteValue(std::string_view name) override {
        registry_.Commit([&] {
            if (auto* key = registry_.Find(path_)) {
                std::erase_if(key->values, [&](const auto& named) { return SameName(named.name, name); });
            }
        });
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        if (const auto* key = registry_.Find(path_)) {
            for (const auto& named : key->values) names.push_back(named.name);
        }
        return names;
    }

private:
    void Store(std::string_view name, RegistryValue value) {
        registry_.Commit([&] {
            auto* key = registry_.Find(path_);
            if (key == nullptr) key = &registry_.keys_.emplace_back(RegFileRegistry::Key{path_, {}});
            auto& values = key->values;
            const auto same = std::find_if(values.begin(), values.end(), [&](const auto& v) { return SameName(v.name, name); });
            if (same != values.end()) same->value = std::move(value);
            else values.push_back({std::string(name), std::move(value), {}});
        });
    }

    RegFileRegistry& registry_;
    std::string path_;
};

RegFileRegistry::RegFileRegistry(std::filesystem::path file) : file_(std::move(file)) {
    try {
        if (FileExists(file_)) keys_ = ParseRegFile(ReadFileShared(file_));
    } catch (const std::exception& error) {
        load_error_ = DisplayPath(file_) + ": " + error.what();
    }
}

RegFileRegistry::Key* RegFileRegistry::Find(std::string_view full_path) {
    const auto found = std::find_if(keys_.begin(), keys_.end(), [&](const Key& key) { return SameName(key.path, full_path); });
    return found == keys_.end() ? nullptr : &*found;
}

template <class Change>
void RegFileRegistry::Commit(Change&& change) {
    if (!load_error_.empty()) throw RegistryError(load_error_);
    const auto before = keys_;
    change();
    try {
        ReplaceFileContent(file_, FormatRegFile(keys_));
    } catch (const FileError& error) {
        keys_ = before;
        throw RegistryError(error.what());
    }
}

std::unique_ptr<RegistryKey> RegFileRegistry::OpenKey(std::string_view path, bool create) {
    if (!load_error_.empty()) return nullptr;
    std::string full = FullPath(path);
    if (Find(full) == nullptr) {
        if (!create) return nullptr;
        // A new key reaches the file with its first value: a file that cannot be written then
        // says so through the write that needed it, naming the file.
        keys_.push_back({full, {}});
    }
    return std::make_unique<RegFileKey>(*this, std::move(full));
}

void RegFileRegistry::DeleteKey(std::string_view path) {
    const std::string full = FullPath(path);
    const std::string below = full + "\\";
    if (!load_error_.empty()) return;
    Commit([&] {
        std::erase_if(keys_, [&](const Key& key) {
            return SameName(key.path, full) ||
                   (key.path.size() > below.size() && SameName(std::string_view(key.path).substr(0, below.size()), below));
        });
    });
}

}  // namespace tarn::platform
