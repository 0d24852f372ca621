#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/outlook/outlook_machine.h"

namespace tarn::outlook {

// The add-in installed by hand, as a user may: its files copied from the build into a folder
// of their own (whose name holds a space, as "Program Files" does) and registered there by
// regsvr32 for the current user, on a machine with Outlook.
class Installation {
public:
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::filesystem::path& Folder() const noexcept { return folder_; }
    std::filesystem::path LibraryPath() const { return folder_ / "Tarn4OL.dll"; }
    OutlookMachine& Machine() noexcept { return machine_; }

    // regsvr32 /s (or /u /s) on the installed library, in a process of its own, while this
    // thread keeps serving calls to the objects it registered. Returns regsvr32's exit code.
    DWORD Register();
    DWORD Unregister();

    // The settings and lists of a first start: nothing in the registry, only the given lists
    // beside the library, no report and no lessons; pages are counted afresh.
    void StartAfresh(const std::vector<std::pair<std::string, std::string>>& list_files);
    std::string ReadFile(const std::string& name) const;

private:
    DWORD RunRegsvr32(const std::wstring& switches);

    OutlookMachine machine_;
    std::filesystem::path folder_;
};

}  // namespace tarn::outlook
