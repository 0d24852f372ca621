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

void ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(L".");
    wchar_t temporary[MAX_PATH];
    if (GetTempFileNameW(folder.c_str(), L"trn", 0, temporary) == 0) Fail("write", path, GetLastError());
    try {
        Handle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) Fail("write", path, GetLastError());
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
            DWORD written = 0;
            if (!WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr)) Fail("write", path, GetLastError());
            bytes.remove_prefix(written);
        }
        if (!FlushFileBuffers(file.Get())) Fail("write", path, GetLastError());
        if (!file.Close()) Fail("write", path, GetLastError());
        if (!MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            Fail("write", path, GetLastError());
        }
    } catch (...) {
        DeleteFileW(temporary);
        throw;
    }
}

std::filesystem::path FindFileIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
    return folder / Widen(name);
}

}  // namespace tarn::platform
