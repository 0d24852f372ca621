// The Windows profile rules on a file read once, when the reader is made.
#include <algorithm>

#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/text_compare.h"
#include "platform/text_file.h"
#include "platform/text_lines.h"

namespace tarn::platform {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {
    std::string text;
    try {
        text = DecodeTextFile(ReadFileShared(path_));
    } catch (const FileError&) {
        return;  // a missing or unreadable file gives every fallback
    }
    std::string section;
    bool in_section = false;
    for (const auto& raw : SplitLines(text)) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            in_section = close != std::string_view::npos;
            if (in_section) section = std::string(Trim(line.substr(1, close - 1)));
            continue;
        }
        const auto equals = line.find('=');
        if (!in_section || equals == std::string_view::npos) continue;
        entries_.push_back({section, std::string(Trim(line.substr(0, equals))),
                            std::string(Unquote(Trim(line.substr(equals + 1))).substr(0, MaxProfileValueLength))});
    }
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    // The first section of that name is the section; a later one of the same name is not read.
    const auto first = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return CompareTextIgnoreCase(entry.section, section) == 0; });
    if (first == entries_.end()) return std::string(fallback);
    for (auto entry = first; entry != entries_.end() && entry->section == first->section; ++entry) {
        if (CompareTextIgnoreCase(entry->key, key) == 0) return entry->value;
    }
    return std::string(fallback);
}

}  // namespace tarn::platform
