#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarn::outlook {

// The add-in as a user installs it, on the wine prefix of the tests: its files copied from the
// build into a folder of their own (whose name holds a space, as "Program Files" does),
// registered by regsvr32 for the current user. Wine reads classes from the machine's part of
// the registry only, so the class keys the registration writes for the user are mirrored
// there. Outlook is made known to the system under its own ProgID and class, and the shell
// opens web pages by writing their paths into a file of the test's, so that every page the
// add-in opens is counted and none starts a browser.
class Installation {
public:
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::filesystem::path& Folder() const noexcept { return folder_; }
    std::filesystem::path LibraryPath() const { return folder_ / "Tarn4OL.dll"; }

    // regsvr32 /s (or /u /s) on the installed library, in a process of its own, while this
    // thread keeps serving calls to the objects it registered. Returns regsvr32's exit code.
    DWORD Register();
    DWORD Unregister();

    // The pages the shell opened so far, in order, as the shell was given their paths.
    std::vector<std::wstring> OpenedPages() const;
    // Waits until at least `count` pages were opened or a while has passed; then waits a
    // little longer for any further page the same action may have opened.
    std::vector<std::wstring> WaitForOpenedPages(std::size_t count) const;

    // The settings and lists of a first start: nothing in the registry, only the given lists
    // beside the library, no report.
    void StartAfresh(const std::vector<std::pair<std::string, std::string>>& list_files);
    std::string ReadFile(const std::string& name) const;

private:
    DWORD RunRegsvr32(const std::wstring& switches);
    void ForgetOpenedPages();
    void MirrorClassKeys() const;

    std::filesystem::path folder_;
    std::filesystem::path opened_pages_;
    int page_files_ = 0;
    std::wstring previous_page_class_;
};

// Runs a command line and waits for it to end while dispatching this thread's window
// messages (COM's calls into a single-threaded apartment arrive as messages). Returns its exit
// code; raises std::runtime_error when it cannot be started or does not end within a minute.
DWORD RunPumping(std::wstring command_line);

// Whether the key exists in that part of the registry.
bool KeyExists(HKEY root, const std::wstring& key);
// A string value of a key, or nothing when there is none.
std::wstring ReadRegistryString(HKEY root, const std::wstring& key, const wchar_t* name = nullptr);

}  // namespace tarn::outlook
