#include "tests/outlook/installation.h"

#include <objbase.h>

#include <fstream>

namespace tarn::outlook {

namespace {

// The files of the add-in's installation, as the build leaves them beside the library.
constexpr const char* InstalledFiles[] = {"Tarn4OL.dll", "tarnrules.dll", "tarnrules.dict", "Language.ini"};
constexpr const wchar_t* FolderPrefix = L"Tarn4OL stand-in install";

// A new installation folder. Those of earlier runs go first: a run cannot always remove its
// own, as the libraries it loaded may still be mapped when it ends.
std::filesystem::path FreshFolder() {
    const auto temporary = std::filesystem::temp_directory_path();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(temporary, ignored)) {
        if (entry.path().filename().wstring().starts_with(FolderPrefix)) std::filesystem::remove_all(entry.path(), ignored);
    }
    const auto folder = temporary / (std::wstring(FolderPrefix) + L" " + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

Installation::Installation() : folder_(FreshFolder()) {
    const std::filesystem::path built(TARN_BUILT_DIR);
    for (const char* file : InstalledFiles) {
        std::filesystem::copy_file(built / file, folder_ / file, std::filesystem::copy_options::overwrite_existing);
    }
}

Installation::~Installation() {
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
    CoFreeUnusedLibrariesEx(0, 0);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

DWORD Installation::RunRegsvr32(const std::wstring& switches) {
    const DWORD result =
        RunPumping(L"C:\\windows\\system32\\regsvr32.exe " + switches + L" \"" + LibraryPath().wstring() + L"\"");
    machine_.MirrorClassKeys();
    return result;
}

DWORD Installation::Register() { return RunRegsvr32(L"/s"); }

DWORD Installation::Unregister() { return RunRegsvr32(L"/u /s"); }

void Installation::StartAfresh(const std::vector<std::pair<std::string, std::string>>& list_files) {
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        const auto extension = entry.path().extension();
        const bool lessons = entry.path().filename().wstring().starts_with(L"tarnrules.user");
        if (extension == ".tarn" || extension == ".htm" || extension == ".log" || lessons) std::filesystem::remove(entry.path());
    }
    for (const auto& [name, text] : list_files) std::ofstream(folder_ / name, std::ios::binary) << text;
    machine_.StartCountingPages();
}

std::string Installation::ReadFile(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tarn::outlook
