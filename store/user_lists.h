#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/diagnostics.h"
#include "store/sorted_text_list.h"

namespace tarn::store {

// The four user lists, each mirrored in a plain-text file of the installation directory.
enum class ListKind { ProtectedWords, ForbiddenWords, FriendSenders, BannedSenders };

struct ListDefinition {
    std::string_view file_name;
    std::string_view marker;  // the entry a new list starts with
};

const ListDefinition& DefinitionOf(ListKind kind);

// The orders in which all four lists are written: at shutdown, and when the options dialog
// opens (so that it edits the current content).
enum class SaveOrder { Shutdown, OptionsDialog };

class UserLists {
public:
    // Creates the four lists (protected words, forbidden words, friend senders, banned
    // senders), each holding its marker and then, when its file exists, the file's content
    // instead. A file that cannot be read leaves that list with its marker alone, and is
    // recorded. Temporary files that a save killed half-way left beside a list file go.
    static std::unique_ptr<UserLists> CreateLists(std::filesystem::path installation_directory,
                                                  platform::Diagnostics& diagnostics);

    SortedTextList& List(ListKind kind) { return lists_[Index(kind)]; }
    const SortedTextList& List(ListKind kind) const { return lists_[Index(kind)]; }

    // Replaces each list whose file exists by the file's content; a list whose file cannot be
    // read stays as it was. No marker is added.
    void ReloadLists();

    // Writes all four lists in the given order; the first failure raises FileError and the
    // lists after it are not written.
    void SaveLists(SaveOrder order) const;
    // Writes one list to its file; raises FileError when it cannot.
    void SaveList(ListKind kind) const;
    // Shutdown: every list is written on its own, so that a file that cannot be written does
    // not cost the user the other lists. Failures are recorded, not shown.
    void SaveListsAtShutdown() const noexcept;

    std::filesystem::path FilePath(ListKind kind) const;

    // The lines of a list's file as they stand, for an editor that works on the file itself;
    // raises FileError when it cannot be read.
    std::vector<std::string> ReadListFile(ListKind kind) const;
    // Replaces a list's file by these lines (the in-memory list is untouched); raises FileError
    // when it cannot be written, or when a line holds a line break or NUL.
    void WriteListFile(ListKind kind, const std::vector<std::string>& lines) const;

private:
    UserLists(std::filesystem::path installation_directory, platform::Diagnostics& diagnostics);
    static std::size_t Index(ListKind kind) { return static_cast<std::size_t>(kind); }
    void Load(ListKind kind);

    std::filesystem::path directory_;
    platform::Diagnostics& diagnostics_;
    std::array<SortedTextList, 4> lists_;
    // A list whose existing file could not be read whole (locked, unreadable, or cut short by
    // a NUL byte): writing the list would destroy the entries it could not read, so the file
    // is left alone until a later reload reads it whole.
    std::array<bool, 4> file_not_read_whole_{};
};

}  // namespace tarn::store
