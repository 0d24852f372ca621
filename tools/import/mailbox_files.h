#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace tarn::tools::import {

// The SpamAssassin public corpus as its npm package lays it out: a data folder holding
// "file_list.json" and the group folders ("easy-ham-1", "hard-ham-1", "spam-2"...), each message
// a NAME.txt with a lossy NAME.json copy beside it, never read.
bool IsCorpusDataFolder(const std::filesystem::path& directory);
// A NAME.txt beside its NAME.json in a group folder of a corpus data folder.
bool IsCorpusMessage(const std::filesystem::path& file);

// A Maildir: a directory with cur/ and new/ directories in it.
bool IsMaildir(const std::filesystem::path& directory);

// The mail files under a directory, in the order they are read.
struct MailFileList {
    std::vector<std::filesystem::path> files;
    // What was skipped, with the reason: directories that could not be listed, symbolic links
    // to nothing, and links back into folders already read (a loop would never end).
    std::vector<std::pair<std::filesystem::path, std::string>> skipped;
};

// The files of a directory mailbox, sorted by name and recursively, each directory's entries
// in one sorted run; linked files and folders are followed. Hidden entries (".name") and
// .json files are left out; a Maildir gives only the files in its cur/ and new/. In a tree
// that holds a corpus data folder, only the corpus's messages are mail: the rest is the
// package around them.
MailFileList ListMailFiles(const std::filesystem::path& directory);

}  // namespace tarn::tools::import
