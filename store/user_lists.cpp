#include "store/user_lists.h"

#include "platform/files.h"
#include "platform/text_lines.h"

namespace tarn::store {

namespace {

constexpr std::array<ListKind, 4> CreationOrder = {ListKind::ProtectedWords, ListKind::ForbiddenWords,
                                                   ListKind::FriendSenders, ListKind::BannedSenders};

constexpr std::array<ListDefinition, 4> Definitions = {{
    {"protected.tarn", "--++protect++--"},
    {"forbidden.tarn", "--++forbidden++--"},
    {"OKsenders.tarn", "--++protected senders++--"},
    {"BanSenders.tarn", "--++BANNED SENDERS++--"},
}};

const std::array<ListKind, 4>& OrderOf(SaveOrder order) {
    static constexpr std::array<ListKind, 4> Shutdown = {ListKind::ForbiddenWords, ListKind::ProtectedWords,
                                                         ListKind::FriendSenders, ListKind::BannedSenders};
    static constexpr std::array<ListKind, 4> OptionsDialog = {ListKind::FriendSenders, ListKind::ForbiddenWords,
                                                              ListKind::ProtectedWords, ListKind::BannedSenders};
    return order == SaveOrder::Shutdown ? Shutdown : OptionsDialog;
}

}  // namespace

const ListDefinition& DefinitionOf(ListKind kind) {
    return Definitions[static_cast<std::size_t>(kind)];
}

UserLists::UserLists(std::filesystem::path installation_directory, platform::Diagnostics& diagnostics)
    : directory_(std::move(installation_directory)), diagnostics_(diagnostics) {}

std::unique_ptr<UserLists> UserLists::CreateLists(std::filesystem::path installation_directory,
                                                  platform::Diagnostics& diagnostics) {
    std::unique_ptr<UserLists> lists(new UserLists(std::move(installation_directory), diagnostics));
    for (const ListKind kind : CreationOrder) {
        lists->List(kind).Add(std::string(DefinitionOf(kind).marker));
        platform::Contain(diagnostics, "CreateLists", [&] { platform::RemoveStaleTemporaries(lists->FilePath(kind)); });
        lists->Load(kind);
    }
    return lists;
}

std::filesystem::path UserLists::FilePath(ListKind kind) const {
    return platform::FindFileIgnoringCase(directory_, DefinitionOf(kind).file_name);
}

void UserLists::Load(ListKind kind) {
    const auto path = FilePath(kind);
    if (!platform::FileExists(path)) return;
    std::string content;
    if (!platform::Contain(diagnostics_, "LoadList", [&] { content = platform::ReadFileShared(path); })) {
        file_not_read_whole_[Index(kind)] = true;
        return;
    }
    file_not_read_whole_[Index(kind)] = content.find('\0') != std::string::npos;
    if (file_not_read_whole_[Index(kind)]) {
        diagnostics_.Record("LoadList", "\"" + platform::DisplayPath(path) +
                                            "\" holds a NUL byte: the entries after it are not read, and the file "
                                            "is not written until it can be read whole");
    }
    List(kind).Assign(platform::SplitLines(content));
}

void UserLists::ReloadLists() {
    for (const ListKind kind : CreationOrder) Load(kind);
}

void UserLists::SaveList(ListKind kind) const {
    const auto path = FilePath(kind);
    if (file_not_read_whole_[Index(kind)]) {
        throw platform::FileError("The list file \"" + platform::DisplayPath(path) +
                                  "\" could not be read whole when it was loaded (it was locked, unreadable or "
                                  "damaged); it is left as it is so that none of its entries is lost.");
    }
    platform::ReplaceFileContent(path, List(kind).Text());
}

std::vector<std::string> UserLists::ReadListFile(ListKind kind) const {
    return platform::SplitLines(platform::ReadFileShared(FilePath(kind)));
}

void UserLists::WriteListFile(ListKind kind, const std::vector<std::string>& lines) const {
    const auto path = FilePath(kind);
    std::string content;
    for (const auto& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
            throw platform::FileError("A line for \"" + platform::DisplayPath(path) +
                                      "\" holds a line break or a NUL character; the file is left as it is.");
        }
        content += line;
        content += "\r\n";
    }
    platform::ReplaceFileContent(path, content);
}

void UserLists::SaveLists(SaveOrder order) const {
    for (const ListKind kind : OrderOf(order)) SaveList(kind);
}

void UserLists::SaveListsAtShutdown() const noexcept {
    // Nothing is shown while Outlook closes; the other lists are still written.
    for (const ListKind kind : OrderOf(SaveOrder::Shutdown)) {
        platform::Contain(diagnostics_, "SaveLists", [&] { SaveList(kind); });
    }
}

}  // namespace tarn::store
