#include "tests/outlook/outlook_machine.h"

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace tarn::outlook {

namespace {

constexpr const wchar_t* OutlookProgIdKey = L"Software\\Classes\\Outlook.Application";
constexpr const wchar_t* OutlookClass = L"{0006F03A-0000-0000-C000-000000000046}";
constexpr const wchar_t* PageExtensionKey = L"Software\\Classes\\.htm";
constexpr const wchar_t* PageClass = L"Tarn4OL.StandInPage";
constexpr const wchar_t* PageClassKey = L"Software\\Classes\\Tarn4OL.StandInPage";
constexpr const wchar_t* PageFilePrefix = L"Tarn4OL stand-in pages";
constexpr const wchar_t* OutputFilePrefix = L"Tarn4OL stand-in output";

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

// An inheritable handle of a new file, for a child's standard output.
HANDLE OutputFile(const std::filesystem::path& path) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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

DWORD RunPumping(std::wstring command_line, std::string* output) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // A file of its own per run: a program the last one started may still hold that one open.
    static int runs = 0;
    const auto output_path = std::filesystem::temp_directory_path() /
                             (std::wstring(OutputFilePrefix) + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++runs));
    HANDLE output_file = INVALID_HANDLE_VALUE;
    if (output != nullptr) {
        output_file = OutputFile(output_path);
        if (output_file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot make a file for a program's output");
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = output_file;
        startup.hStdError = output_file;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, output != nullptr, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    if (output_file != INVALID_HANDLE_VALUE) CloseHandle(output_file);
    if (!started) throw std::runtime_error("cannot start a program");
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
    if (output != nullptr) {
        std::ifstream in(output_path, std::ios::binary);
        output->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        in.close();
        std::error_code ignored;
        std::filesystem::remove(output_path, ignored);
    }
    if (exit_code == STILL_ACTIVE) throw std::runtime_error("a program did not end within a minute");
    return exit_code;
}

OutlookMachine::OutlookMachine() {
    WriteString(HKEY_LOCAL_MACHINE, std::wstring(OutlookProgIdKey) + L"\\CLSID", nullptr, OutlookClass);
    previous_page_class_ = ReadRegistryString(HKEY_LOCAL_MACHINE, PageExtensionKey);
    if (previous_page_class_ == PageClass) previous_page_class_.clear();  // left by a run that crashed
    WriteString(HKEY_LOCAL_MACHINE, PageExtensionKey, nullptr, PageClass);
    StartCountingPages();
}

OutlookMachine::~OutlookMachine() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, AddInClassKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, AddInProgIdKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, OutlookProgIdKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, PageClassKey);
    if (previous_page_class_.empty()) {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, PageExtensionKey);
    } else {
        WriteString(HKEY_LOCAL_MACHINE, PageExtensionKey, nullptr, previous_page_class_);
    }
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(opened_pages_.parent_path(), ignored)) {
        const auto name = entry.path().filename().wstring();
        if (name.starts_with(PageFilePrefix) || name.starts_with(OutputFilePrefix)) std::filesystem::remove(entry.path(), ignored);
    }
}

void OutlookMachine::MirrorClassKeys() const {
    CopyKeyToMachine(AddInClassKey);
    CopyKeyToMachine(AddInProgIdKey);
}

void OutlookMachine::StartCountingPages() {
    std::error_code ignored;
    if (!opened_pages_.empty()) std::filesystem::remove(opened_pages_, ignored);
    opened_pages_ = std::filesystem::temp_directory_path() /
                    (std::wstring(PageFilePrefix) + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(++page_files_) + L".txt");
    std::filesystem::remove(opened_pages_, ignored);
    WriteString(HKEY_LOCAL_MACHINE, std::wstring(PageClassKey) + L"\\shell\\open\\command", nullptr,
                L"C:\\windows\\system32\\cmd.exe /c echo %1>>\"" + opened_pages_.wstring() + L"\"");
}

std::vector<std::wstring> OutlookMachine::OpenedPages() const {
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

std::vector<std::wstring> OutlookMachine::WaitForOpenedPages(std::size_t count) const {
    // The shell starts the page's program and returns; the program writes the line later.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (OpenedPages().size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return OpenedPages();
}

}  // namespace tarn::outlook
