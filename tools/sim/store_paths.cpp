#include "tools/sim/store_paths.h"

#include <charconv>

#include "host/sim/name_compare.h"
#include "platform/codepage.h"

namespace tarn::tools::sim {

namespace {

// The default folders a path may start with, in the order they are searched.
constexpr host::DefaultFolder TopFolders[] = {
    host::DefaultFolder::Inbox,  host::DefaultFolder::SentMail, host::DefaultFolder::DeletedItems,
    host::DefaultFolder::Drafts, host::DefaultFolder::Outbox,   host::DefaultFolder::Contacts,
    host::DefaultFolder::Calendar,
};

std::vector<std::u16string> PathParts(std::string_view path) {
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        parts.push_back(platform::FromUtf8(path.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

bool FindPath(const std::shared_ptr<host::sim::SimFolder>& from, const std::shared_ptr<host::sim::SimFolder>& wanted,
              std::string& path) {
    if (from == wanted) return true;
    for (const auto& child : from->Subfolders().Elements()) {
        std::string below = path + "/" + platform::ToUtf8(child->FolderName());
        if (FindPath(child, wanted, below)) {
            path = std::move(below);
            return true;
        }
    }
    return false;
}

long Number(std::string_view text, std::string_view selection) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1) {
        throw StorePathError("--select takes item numbers from 1, such as 1,3-5, not \"" + std::string(selection) + "\"");
    }
    return value;
}

}  // namespace

std::shared_ptr<host::sim::SimFolder> FolderAt(host::sim::SimOutlook& outlook, std::string_view path, bool create) {
    const auto parts = PathParts(path);
    std::shared_ptr<host::sim::SimFolder> folder;
    for (const auto top : TopFolders) {
        const auto candidate = outlook.DefaultFolder(top);
        if (candidate && host::sim::NamesEqual(candidate->FolderName(), parts.front())) folder = candidate;
    }
    if (!folder) {
        throw StorePathError("no folder \"" + std::string(path) +
                             "\": a path starts with Inbox, Sent Items, Deleted Items, Drafts, Outbox, Contacts or "
                             "Calendar");
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].empty()) throw StorePathError("no folder \"" + std::string(path) + "\": a folder name is empty");
        auto next = folder->Subfolders().Find(parts[i]);
        if (!next && create) next = outlook.AddFolder(folder, parts[i]);
        if (!next) throw StorePathError("no folder \"" + std::string(path) + "\"");
        folder = std::move(next);
    }
    return folder;
}

std::string PathOf(host::sim::SimOutlook& outlook, const std::shared_ptr<host::sim::SimFolder>& folder) {
    for (const auto top : TopFolders) {
        const auto candidate = outlook.DefaultFolder(top);
        if (!candidate) continue;
        std::string path = platform::ToUtf8(candidate->FolderName());
        if (FindPath(candidate, folder, path)) return path;
    }
    return platform::ToUtf8(folder->FolderName());
}

std::vector<long> ParseSelection(std::string_view text, long count) {
    std::vector<long> numbers;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find(',', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view part = text.substr(start, end - start);
        const auto dash = part.find('-');
        const long first = Number(part.substr(0, dash), text);
        const long last = dash == std::string_view::npos ? first : Number(part.substr(dash + 1), text);
        if (last < first) throw StorePathError("--select: the range \"" + std::string(part) + "\" runs backwards");
        if (last > count) {
            throw StorePathError("--select: item " + std::to_string(last) + " does not exist: the shown folder holds " +
                                 std::to_string(count) + (count == 1 ? " item" : " items"));
        }
        for (long number = first; number <= last; ++number) numbers.push_back(number);
        start = end + 1;
    }
    return numbers;
}

}  // namespace tarn::tools::sim
