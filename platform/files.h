#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarn::platform {

// A file that could not be read or written; the message names the file and the reason in
// words a user can act on.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool FileExists(const std::filesystem::path& path);

// A path as the user reads it in a message (8-bit text).
std::string DisplayPath(const std::filesystem::path& path);

// The whole content of a file, opened so that others may read it at the same time but not
// write it; a file that someone is writing cannot be read.
std::string ReadFileShared(const std::filesystem::path& path);

// Replaces the content of a file without ever leaving it truncated: the bytes go to a new
// file in the same folder, are flushed to the disk, and the new file then takes the old one's
// place. A symbolic link is written through: its target is replaced, in the target's folder,
// and the link stays. A read-only file is not replaced. When anything fails the old file stays
// whole and FileError is raised.
void ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes);

// The file a path names once every symbolic link on the way is followed; the path itself when
// it names no link. A link to nothing gives the file it would create.
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

// The name ReplaceFileContent gives its new file until it takes the old one's place:
// ".NAME.tmp-" and six letters or digits. Exposed for RemoveStaleTemporaries and its tests.
std::filesystem::path TemporaryNamePrefix(const std::filesystem::path& file);

// Removes what a replacement of this file that was killed half-way left beside its target.
void RemoveStaleTemporaries(const std::filesystem::path& file);

// The file of that name in the folder, found without regard to letter case; the name as
// given when the folder holds none. (Windows file names ignore case already.)
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name);

}  // namespace tarn::platform
