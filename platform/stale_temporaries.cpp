// The new files that ReplaceFileContent writes before they take the old one's place, and the
// clean-up of those that a killed save left behind.
#include <system_error>

#include "platform/files.h"

namespace tarn::platform {

namespace {

constexpr std::size_t UniqueLetters = 6;

}  // namespace

std::filesystem::path TemporaryNamePrefix(const std::filesystem::path& file) {
    std::filesystem::path prefix = ".";
    prefix += file.filename();
    prefix += ".tmp-";
    return prefix;
}

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::filesystem::path target = ResolveLinks(file);
    const auto prefix = TemporaryNamePrefix(target).native();
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const auto name = entry->path().filename().native();
        if (name.size() != prefix.size() + UniqueLetters || !name.starts_with(prefix)) continue;
        std::error_code ignored;
        if (entry->is_regular_file(ignored)) std::filesystem::remove(entry->path(), ignored);
    }
}

}  // namespace tarn::platform
