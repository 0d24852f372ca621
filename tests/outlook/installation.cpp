#include "tests/outlook/installation.h"

#include <objbase.h>

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace tarn::outlook {

namespace {

constexpr const wchar_t* ClassKey = L"Software\\Classes\\CLSID\\{0C9D35CE-0E58-4DE5-87CB-93FBDE52C1C5}";
constexpr const wchar_t* ProgIdKey = L"Software\\Classes\\Tarn4OL.TarnAddin";
constexpr const wchar_t* SettingsKey = L"Software\\Orvik' Tarn4OL";
constexpr const wchar_t* OutlookProgIdKey = L"Software\\Classes\\Outlook.Application";
constexpr const wchar_t* OutlookClass = L"{0006F03A-0000-0000-C000-000000000046}";
constexpr const wchar_t* PageExtensionKey = L"Software\\Classes\\.htm";
constexpr const wchar_t* PageClass = L"Tarn4OL.StandInPage";
constexpr const wchar_t* PageClassKey = L"Software\\Classes\\Tarn4OL.StandInPage";

// The files of the add-in's installation, as the build leaves them beside the library.
constexpr const char* InstalledFiles[] = {"Tarn4OL.dll", "tarnrules.dll", "tarnrules.dict", "Language.ini"};

void WriteString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot write a registry key");
    }
    const LONG written = RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
    if (written != ERROR_SUCCESS) throw std::runtime_error("cannot write a registry value");
}

void CopyKeyToMachine(const wchar_t* key) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
    HKEY source = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &source) != ERROR_SUCCESS) return;
    HKEY target = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) == ERROR_SUCCESS) {
        RegCopyTreeW(source, nullptr, target);
        RegCloseKey(target);
    }
    RegCloseKey(source);
}

// A new installation folder. Those of earlier runs go first: a run cannot always remove its
// own, as the libraries it loaded may still be mapped when it ends.
std::filesystem::path FreshFolder() {
    const auto temporary = std::filesystem::temp_directory_path();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(temporary, ignored)) {
        if (entry.path().filename().wstring().starts_with(L"Tarn4OL stand-in")) std::filesystem::remove_all(entry.path(), ignored);
    }
    const auto folder = temporary / ("Tarn4OL stand-in " + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

std::wstring ReadRegistryString(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t value[1024];
    DWORD size = sizeof value;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return {};
    return value;
}

DWORD RunPumping(std::wstring command_line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start a program");
    }
    CloseHandle(process.hThread);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    DWORD exit_code = STILL_ACTIVE;
    while (std::chrono::steady_clock::now() < deadline) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &exit_code);
            break;
        }
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (exit_code == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    if (exit_code == STILL_ACTIVE) throw std::runtime_error("a program did not end within a minute");
    return exit_code;
}

Installation::Installation() : folder_(FreshFolder()) {
    const std::filesystem::path built(TARN_BUILT_DIR);
    for (const char* file : InstalledFiles) {
        std::filesystem::copy_file(built / file, folder_ / file, std::filesystem::copy_options::overwrite_existing);
    }
    WriteString(HKEY_LOCAL_MACHINE, std::wstring(OutlookProgIdKey) + L"\\CLSID", nullptr, OutlookClass);
    previous_page_class_ = ReadRegistryString(HKEY_LOCAL_MACHINE, PageExtensionKey);
    if (previous_page_class_ == PageClass) previous_page_class_.clear();  // left by a run that crashed
    WriteString(HKEY_LOCAL_MACHINE, PageExtensionKey, nullptr, PageClass);
    ForgetOpenedPages();
}

Installation::~Installation() {
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, ClassKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, ProgIdKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, OutlookProgIdKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, PageClassKey);
    if (previous_page_class_.empty()) {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, PageExtensionKey);
    } else {
        WriteString(HKEY_LOCAL_MACHINE, PageExtensionKey, nullptr, previous_page_class_);
    }
    CoFreeUnusedLibrariesEx(0, 0);
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.parent_path(), ignored)) {
        if (entry.path().filename().wstring().starts_with(L"Tarn4OL stand-in pages")) std::filesystem::remove(entry.path(), ignored);
    }
    std::filesystem::remove_all(folder_, ignored);
}

DWORD Installation::RunRegsvr32(const std::wstring& switches) {
    return RunPumping(L"C:\\windows\\system32\\regsvr32.exe " + switches + L" \"" + LibraryPath().wstring() + L"\"");
}

DWORD Installation::Register() {
    const DWORD result = RunRegsvr32(L"/s");
    MirrorClassKeys();
    return result;
}

DWORD Installation::Unregister() {
    const DWORD result = RunRegsvr32(L"/u /s");
    MirrorClassKeys();
    return result;
}

void Installation::MirrorClassKeys() const {
    CopyKeyToMachine(ClassKey);
    CopyKeyToMachine(ProgIdKey);
}

std::vector<std::wstring> Installation::OpenedPages() const {
    std::vector<std::wstring> pages;
    std::ifstream in(opened_pages_);
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"') line = line.substr(1, line.size() - 2);
        if (!line.empty()) pages.emplace_back(line.begin(), line.end());
    }
    return pages;
}

std::vector<std::wstring> Installation::WaitForOpenedPages(std::size_t count) const {
    // The shell starts the page's program and returns; the program writes the line later.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (OpenedPages().size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return OpenedPages();
}

void Installation::ForgetOpenedPages() {
    // A file of its own from now on: a page opened by an earlier session may still be on its
    // way into the previous one.
    std::error_code ignored;
    std::filesystem::remove(opened_pages_, ignored);
    opened_pages_ = folder_.parent_path() / ("Tarn4OL stand-in pages " + std::to_string(GetCurrentProcessId()) + "-" +
                                             std::to_string(++page_files_) + ".txt");
    std::filesystem::remove(opened_pages_, ignored);
    WriteString(HKEY_LOCAL_MACHINE, std::wstring(PageClassKey) + L"\\shell\\open\\command", nullptr,
                L"C:\\windows\\system32\\cmd.exe /c echo %1>>\"" + opened_pages_.wstring() + L"\"");
}

void Installation::StartAfresh(const std::vector<std::pair<std::string, std::string>>& list_files) {
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        const auto extension = entry.path().extension();
        if (extension == ".tarn" || extension == ".htm" || extension == ".log") std::filesystem::remove(entry.path());
    }
    for (const auto& [name, text] : list_files) std::ofstream(folder_ / name, std::ios::binary) << text;
    ForgetOpenedPages();
}

std::string Installation::ReadFile(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tarn::outlook
