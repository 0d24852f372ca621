#include "tools/import/mailbox_files.h"

#include <algorithm>
#include <system_error>

namespace tarn::tools::import {

namespace fs = std::filesystem;

namespace {

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsHidden(const fs::path& path) { return path.filename().string().starts_with("."); }

class MailFileCollector {
public:
    MailFileList Collect(const fs::path& directory) && {
        Visit(directory);
        if (corpus_found_) std::erase_if(list_.files, [](const fs::path& file) { return !IsCorpusMessage(file); });
        return std::move(list_);
    }

private:
    void Visit(const fs::path& directory) {
        if (IsMaildir(directory)) {
            for (const char* folder : {"cur", "new"}) VisitEntries(directory / folder, false);
        } else {
            VisitEntries(directory, true);
        }
    }

    void VisitEntries(const fs::path& directory, bool descend) {
        std::error_code error;
        std::vector<fs::directory_entry> entries;
        for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
            entries.push_back(*it);
        }
        if (error) {
            list_.unlisted.emplace_back(directory, error.message());
            return;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
        for (const auto& entry : entries) {
            const fs::path& path = entry.path();
            std::error_code kind_error;
            if (IsHidden(path)) continue;
            // A linked directory is not followed: a link back up the tree would never end.
            if (entry.is_directory(kind_error) && !entry.is_symlink(kind_error)) {
                if (descend) Visit(path);
            } else if (entry.is_regular_file(kind_error) && path.extension() != ".json") {
                corpus_found_ = corpus_found_ || IsCorpusMessage(path);
                list_.files.push_back(path);
            }
        }
    }

    MailFileList list_;
    bool corpus_found_ = false;
};

}  // namespace

bool IsCorpusMessage(const fs::path& file) {
    std::error_code error;
    return file.extension() == ".txt" && fs::is_regular_file(fs::path(file).replace_extension(".json"), error);
}

bool IsMaildir(const fs::path& directory) { return IsDirectory(directory / "cur") && IsDirectory(directory / "new"); }

MailFileList ListMailFiles(const fs::path& directory) { return MailFileCollector().Collect(directory); }

}  // namespace tarn::tools::import
