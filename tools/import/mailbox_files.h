#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tarn::tools::import {

// A message file of a SpamAssassin corpus export: "NAME.txt" with a "NAME.json" beside it
// (a lossy copy of the same message, never read).
bool IsCorpusMessage(const std::filesystem::path& file);

// A Maildir: a directory with cur/ and new/ directories in it.
bool IsMaildir(const std::filesystem::path& directory);

// The mail files under a directory, in the order they are read.
struct MailFileList {
    std::vector<std::filesystem::path> files;
    // Directories that could not be listed, with the reason.
    std::vector<std::pair<std::filesystem::path, std::string>> unlisted;
};

// The files of a directory mailbox, sorted by name and recursively, each directory's entries
// in one sorted run. Hidden entries (".name") and .json files are left out; a Maildir gives
// only the files in its cur/ and new/. In a tree that holds a corpus export, only the
// corpus's message files are mail: the rest is the package around them.
MailFileList ListMailFiles(const std::filesystem::path& directory);

}  // namespace tarn::tools::import
