#include "tools/import/mailbox_files.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <system_error>

namespace tarn::tools::import {

namespace fs = std::filesystem;

namespace {

bool IsDirectory(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsHidden(const fs::path& path) { return path.filename().string().starts_with("."); }

// "easy-ham-1", "hard-ham-1", "spam-2": a kind, a hyphen and a number.
bool IsCorpusGroupName(const std::string& name) {
    for (const std::string_view kind : {"easy-ham-", "hard-ham-", "spam-"}) {
        if (name.size() > kind.size() && name.starts_with(kind) &&
            std::all_of(name.begin() + static_cast<std::ptrdiff_t>(kind.size()), name.end(),
                        [](unsigned char ch) { return std::isdigit(ch) != 0; })) {
            return true;
        }
    }
    return false;
}

class MailFileCollector {
public:
    MailFileList Collect(const fs::path& directory) && {
        std::error_code error;
        visited_.insert(fs::weakly_canonical(directory, error));
        Visit(directory);
        if (corpus_found_) std::erase_if(list_.files, [](const fs::path& file) { return !IsCorpusMessage(file); });
        return std::move(list_);
    }

private:
    void Visit(const fs::path& directory) {
        corpus_found_ = corpus_found_ || IsCorpusDataFolder(directory);
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
            list_.skipped.emplace_back(directory, "cannot list: " + error.message());
            return;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
        for (const auto& entry : entries) {
            if (!IsHidden(entry.path())) VisitEntry(entry, descend);
        }
    }

    void VisitEntry(const fs::directory_entry& entry, bool descend) {
        const fs::path& path = entry.path();
        std::error_code error;
        const fs::file_status target = fs::status(path, error);  // through any link
        if (target.type() == fs::file_type::not_found) {
            if (entry.is_symlink(error)) list_.skipped.emplace_back(path, "a symbolic link to nothing: skipped");
            return;
        }
        if (error) {
            list_.skipped.emplace_back(path, error.message() + ": skipped");
            return;
        }
        if (fs::is_directory(target)) {
            if (!descend) return;
            // A folder reached a second time, through a link, would be read again, and a link
            // back up the tree would never end.
            if (!visited_.insert(fs::weakly_canonical(path, error)).second) {
                list_.skipped.emplace_back(path, "a symbolic link into a folder already read (a loop): skipped");
                return;
            }
            Visit(path);
        } else if (fs::is_regular_file(target) && path.extension() != ".json") {
            list_.files.push_back(path);
        }
    }

    MailFileList list_;
    std::set<fs::path> visited_;
    bool corpus_found_ = false;
};

}  // namespace

bool IsCorpusDataFolder(const fs::path& directory) {
    std::error_code error;
    if (!fs::is_regular_file(directory / "file_list.json", error)) return false;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (IsCorpusGroupName(it->path().filename().string()) && IsDirectory(it->path())) return true;
    }
    return false;
}

bool IsCorpusMessage(const fs::path& file) {
    std::error_code error;
    const fs::path group = file.parent_path();
    return file.extension() == ".txt" && fs::is_regular_file(fs::path(file).replace_extension(".json"), error) &&
           IsCorpusGroupName(group.filename().string()) && fs::is_regular_file(group.parent_path() / "file_list.json", error);
}

bool IsMaildir(const fs::path& directory) { return IsDirectory(directory / "cur") && IsDirectory(directory / "new"); }

MailFileList ListMailFiles(const fs::path& directory) { return MailFileCollector().Collect(directory); }

}  // namespace tarn::tools::import
