#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tarn::outlook {

// The machine the add-in is installed on, as the tests set up the wine prefix: Outlook known to
// the system under its own ProgID and class; web pages opened by writing their paths into a
// file of the test's, so that every page the add-in opens is counted and no browser starts;
// and, as wine reads classes from the machine's part of the registry only, the class keys the
// add-in's registration writes for the user mirrored there. Everything is put back when the
// object goes.
class OutlookMachine {
public:
    OutlookMachine();
    ~OutlookMachine();
    OutlookMachine(const OutlookMachine&) = delete;
    OutlookMachine& operator=(const OutlookMachine&) = delete;

    // Copies the add-in's class and ProgID keys of the user (or their absence) to the machine.
    void MirrorClassKeys() const;

    // Counts pages from now on, in a file of its own: a page opened by an earlier session may
    // still be on its way into the previous one.
    void StartCountingPages();
    // The pages the shell opened since, in order, as the shell was given their paths.
    std::vector<std::wstring> OpenedPages() const;
    // Waits until at least `count` pages were opened or a while has passed; then waits a
    // little longer for any further page the same action may have opened.
    std::vector<std::wstring> WaitForOpenedPages(std::size_t count) const;

private:
    std::filesystem::path opened_pages_;
    int page_files_ = 0;
    std::wstring previous_page_class_;
};

// Runs a command line and waits for it to end while dispatching this thread's window
// messages (COM's calls into a single-threaded apartment arrive as messages). Returns its exit
// code, and what it wrote to its standard output when `output` is given; raises
// std::runtime_error when it cannot be started or does not end within a minute.
DWORD RunPumping(std::wstring command_line, std::string* output = nullptr);

// Whether the key exists in that part of the registry.
bool KeyExists(HKEY root, const std::wstring& key);
// A string value of a key, or nothing when there is none.
std::wstring ReadRegistryString(HKEY root, const std::wstring& key, const wchar_t* name = nullptr);

// The add-in's keys, as its registration writes them for the current user.
inline constexpr const wchar_t* AddInClassKey = L"Software\\Classes\\CLSID\\{0C9D35CE-0E58-4DE5-87CB-93FBDE52C1C5}";
inline constexpr const wchar_t* AddInProgIdKey = L"Software\\Classes\\Tarn4OL.TarnAddin";
inline constexpr const wchar_t* OutlookAddInKey = L"Software\\Microsoft\\Office\\Outlook\\AddIns\\Tarn4OL.TarnAddin";
inline constexpr const wchar_t* SettingsKey = L"Software\\Orvik' Tarn4OL";

}  // namespace tarn::outlook
