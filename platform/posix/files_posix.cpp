#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/text_compare.h"

namespace tarn::platform {

namespace {

[[noreturn]] void Fail(const char* action, const std::filesystem::path& path, int error) {
    throw FileError(std::string("Cannot ") + action + " \"" + DisplayPath(path) + "\": " + std::strerror(error));
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail("write", path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

std::string DisplayPath(const std::filesystem::path& path) {
    // File names here are UTF-8; the add-in's messages are in the code page.
    return Utf8ToAnsi(path.string());
}

bool FileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::string ReadFileShared(const std::filesystem::path& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) Fail("read", path, errno);
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail("read", path, errno);
        }
        if (got == 0) return content;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

std::filesystem::path ResolveLinks(const std::filesystem::path& path) {
    // As many links as the system itself follows; a longer chain is a loop.
    constexpr int MostLinks = 40;
    std::filesystem::path current = path;
    for (int followed = 0; followed < MostLinks; ++followed) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error)) return current;
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw FileError("Cannot follow \"" + DisplayPath(path) + "\": " + std::strerror(ELOOP));
}

void ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = ResolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // Even a user who may write anything (root) leaves a file alone that was made read-only.
    if (exists && S_ISREG(old.st_mode) && (::access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0)) {
        throw FileError("Cannot write \"" + DisplayPath(path) + "\": the file is read-only, so it is left as it is");
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    // A hidden name beside the target; mkstemp replaces the X's.
    std::string temporary = (folder / TemporaryNamePrefix(target)).string() + "XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (file.Get() < 0) Fail("write", path, errno);
    try {
        ::fchmod(file.Get(), exists ? (old.st_mode & 07777) : 0644);
        WriteAll(file.Get(), bytes, path);
        if (::fsync(file.Get()) != 0) Fail("write", path, errno);
        if (::close(file.Release()) != 0) Fail("write", path, errno);
        if (::rename(temporary.c_str(), target.c_str()) != 0) Fail("write", path, errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
    std::error_code error;
    const std::filesystem::path exact = folder / std::string(name);
    if (std::filesystem::exists(exact, error)) return exact;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string candidate = entry->path().filename().string();
        if (CompareTextIgnoreCase(candidate, name) == 0) return entry->path();
    }
    return exact;
}

}  // namespace tarn::platform
