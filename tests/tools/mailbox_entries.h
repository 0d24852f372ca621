#pragma once

// Collects what a mailbox reader delivers, for tests that look at a whole small mailbox.

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "tools/import/mailbox_reader.h"

namespace tarn::tools::import::test {

inline std::vector<MailboxEntry> ReadAll(const std::filesystem::path& path) {
    std::vector<MailboxEntry> entries;
    ReadMailbox(path, [&](MailboxEntry entry) { entries.push_back(std::move(entry)); });
    return entries;
}

// Each entry's source label, with "!" before those that could not be read.
inline std::vector<std::string> Labels(const std::vector<MailboxEntry>& entries, const std::filesystem::path& root) {
    std::vector<std::string> labels;
    for (const auto& entry : entries) {
        const bool failed = std::holds_alternative<ImportFailure>(entry);
        const SourceLabel& source =
            failed ? std::get<ImportFailure>(entry).source : std::get<ImportedMessage>(entry).source;
        SourceLabel relative = source;
        relative.file = source.file.lexically_relative(root);
        labels.push_back((failed ? "!" : "") + relative.ToString());
    }
    return labels;
}

}  // namespace tarn::tools::import::test
