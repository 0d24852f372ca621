#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/codepage.h"
#include "platform/files.h"

namespace tarn::platform {

namespace {

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message(reinterpret_cast<const char16_t*>(text), length);
    LocalFree(text);
    while (!message.empty() && (message.back() == u'\r' || message.back() == u'\n' || message.back() == u' ')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(error) : Narrow(message);
}

[[noreturn]] void Fail(const char* action, const std::filesystem::path& path, DWORD error) {
    throw FileError(std::string("Cannot ") + action + " \"" + DisplayPath(path) + "\": " + SystemMessage(error));
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

}  // namespace

std::string DisplayPath(const std::filesystem::path& path) {
    return Narrow(path.u16string());
}

bool FileExists(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string ReadFileShared(const std::filesystem::path& path) {
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) Fail("read", path, GetLastError());
    std::string content;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) Fail("read", path, GetLastError());
        if (got == 0) return content;
        content.append(buffer, got);
    }
}

std::filesystem::path ResolveLinks(const std::filesystem::path& path) {
    // Opening the file follows every link; the system then names the file it reached.
    Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.Valid()) return path;
    std::wstring final_path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(file.Get(), final_path.data(),
                                                       static_cast<DWORD>(final_path.size()), FILE_NAME_NORMALIZED);
        if (length == 0) return path;
        if (length < final_path.size()) {
            final_path.resize(length);
            return final_path;
        }
        final_path.resize(length);
    }
}

namespace {

// A new file beside the target, under a name that no other file has.
std::filesystem::path CreateTemporaryBeside(const std::filesystem::path& target, const std::filesystem::path& path) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(L".");
    const std::wstring prefix = (folder / TemporaryNamePrefix(target)).wstring();
    constexpr wchar_t Letters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    ULONGLONG seed = GetTickCount64() ^ (static_cast<ULONGLONG>(GetCurrentProcessId()) << 20);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring name = prefix;
        ULONGLONG bits = seed + static_cast<ULONGLONG>(attempt) * 0x9E3779B97F4A7C15ull;
        for (int i = 0; i < 6; ++i, bits /= 36) name += Letters[bits % 36];
        Handle probe(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (probe.Valid()) return name;
        if (GetLastError() != ERROR_FILE_EXISTS) Fail("write", path, GetLastError());
    }
    Fail("write", path, ERROR_FILE_EXISTS);
}

}  // namespace

void ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = ResolveLinks(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw FileError("Cannot write \"" + DisplayPath(path) + "\": the file is read-only, so it is left as it is");
    }
    const std::filesystem::path temporary = CreateTemporaryBeside(target, path);
    try {
        Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
        if (!file.Valid()) Fail("write", path, GetLastError());
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
            DWORD written = 0;
            if (!WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr)) Fail("write", path, GetLastError());
            bytes.remove_prefix(written);
        }
        if (!FlushFileBuffers(file.Get())) Fail("write", path, GetLastError());
        if (!file.Close()) Fail("write", path, GetLastError());
        if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            Fail("write", path, GetLastError());
        }
    } catch (...) {
        DeleteFileW(temporary.c_str());
        throw;
    }
}

std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
    return folder / Widen(name);
}

}  // namespace tarn::platform
