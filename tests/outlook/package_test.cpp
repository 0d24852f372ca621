// The package a user downloads: what the zip file holds, and its scripts installing the add-in
// into %LOCALAPPDATA%\Tarn4OL, Outlook loading it from there, and its removal keeping the
// user's lists.
#include <windows.h>

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "tests/outlook/outlook_machine.h"
#include "tests/outlook/stand_in.h"

namespace tarn::outlook {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr const char* ProgramFiles[] = {"Tarn4OL.dll", "tarnrules.dll", "tarnrules.dict", "Language.ini", "tarn4ol.chm",
                                        "README.txt"};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::filesystem::path LocalApplicationData() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", folder, MAX_PATH);
    return (length > 0 && length < MAX_PATH) ? std::filesystem::path(folder) : std::filesystem::path();
}

std::set<std::string> FileNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

class Package : public ::testing::Test {
protected:
    void SetUp() override {
        // The scripts install into the user's own folder: only ever in the tests' wine prefix.
        if (!UnderWine()) GTEST_SKIP() << "runs in the tests' wine prefix only";
        ASSERT_FALSE(LocalApplicationData().empty());
        Clean();
    }
    void TearDown() override {
        if (UnderWine()) Clean();
    }
    void Clean() {
        for (const wchar_t* key : {AddInClassKey, AddInProgIdKey, OutlookAddInKey, SettingsKey}) RegDeleteTreeW(HKEY_CURRENT_USER, key);
        machine.MirrorClassKeys();
        CoFreeUnusedLibrariesEx(0, 0);
        std::error_code ignored;
        std::filesystem::remove_all(target, ignored);
    }
    // Runs one of the package's scripts as a double-click does; gives its exit code.
    DWORD Run(const std::filesystem::path& script) {
        output.clear();
        const DWORD result = RunPumping(L"C:\\windows\\system32\\cmd.exe /c \"" + script.wstring() + L"\"", &output);
        machine.MirrorClassKeys();
        return result;
    }
    DWORD Install() { return Run(package / "install.cmd"); }
    DWORD Uninstall() { return Run(package / "uninstall.cmd"); }

    OutlookMachine machine;
    const std::filesystem::path package{TARN_PACKAGE_DIR};
    const std::filesystem::path target = LocalApplicationData() / "Tarn4OL";
    std::string output;
};

TEST_F(Package, HoldsTheAddInItsEngineTheScriptsAndTheWindowsPartOfTheReadme) {
    EXPECT_EQ(FileNames(package), (std::set<std::string>{"Language.ini", "README.txt", "Tarn4OL.dll", "install.cmd",
                                                         "tarn4ol.chm", "tarnrules.dict", "tarnrules.dll",
                                                         "uninstall.cmd"}));
    // The help file is compiled HTML Help whose directory names the pages a user looks for.
    const std::string help = ReadFile(package / "tarn4ol.chm");
    EXPECT_TRUE(help.starts_with("ITSF"));
    for (const char* page : {"/index.html", "/options.html", "/toolbars.html", "/troubleshooting.html"}) {
        EXPECT_THAT(help, HasSubstr(page));
    }
    const std::string readme = ReadFile(package / "README.txt");
    EXPECT_TRUE(readme.starts_with("Tarn4OL 1.0.0\r\n\r\nInstalling on Windows\r\n")) << readme.substr(0, 60);
    EXPECT_THAT(readme, HasSubstr("uninstall.cmd"));
    EXPECT_THAT(readme, Not(HasSubstr("## ")));  // one section only
    for (const char* text : {"README.txt", "install.cmd", "uninstall.cmd"}) {
        const std::string content = ReadFile(package / text);
        std::size_t bare = 0;
        for (std::size_t i = 0; i < content.size(); ++i) bare += content[i] == '\n' && (i == 0 || content[i - 1] != '\r');
        EXPECT_EQ(bare, 0u) << text << " has lines Notepad and cmd would misread";
    }
}

TEST_F(Package, InstallsForTheUserUpdatesInPlaceAndUninstallsKeepingTheLists) {
    ASSERT_EQ(Install(), 0u) << output;
    EXPECT_THAT(output, HasSubstr("Tarn4OL is installed in"));
    for (const char* file : ProgramFiles) EXPECT_TRUE(std::filesystem::exists(target / file)) << file;
    wchar_t server[MAX_PATH];
    ASSERT_NE(GetLongPathNameW(ReadRegistryString(HKEY_CURRENT_USER, std::wstring(AddInClassKey) + L"\\InprocServer32").c_str(),
                               server, MAX_PATH),
              0u);
    EXPECT_TRUE(std::filesystem::equivalent(server, target / "Tarn4OL.dll"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, OutlookAddInKey));

    // The user's list survives an update and the removal.
    const std::string list = "--++BANNED SENDERS++--\r\nspam.example\r\n";
    std::ofstream(target / "BanSenders.tarn", std::ios::binary) << list;
    ASSERT_EQ(Install(), 0u) << output;
    EXPECT_EQ(ReadFile(target / "BanSenders.tarn"), list);

    StandIn outlook;
    outlook.RegisterAsRunning();
    ASSERT_EQ(Uninstall(), 0u) << output;
    EXPECT_THAT(output, HasSubstr("Tarn4OL is removed"));
    for (const char* file : ProgramFiles) EXPECT_FALSE(std::filesystem::exists(target / file)) << file;
    EXPECT_EQ(ReadFile(target / "BanSenders.tarn"), list);
    for (const wchar_t* key : {AddInClassKey, AddInProgIdKey, OutlookAddInKey}) EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));

    EXPECT_EQ(Uninstall(), 1u);
    EXPECT_THAT(output, HasSubstr("not installed"));
}

TEST_F(Package, AnIncompletePackageInstallsNothingAndSaysWhatIsMissing) {
    const auto partial = std::filesystem::temp_directory_path() / "Tarn4OL stand-in partial package";
    std::filesystem::remove_all(partial);
    std::filesystem::copy(package, partial);
    std::filesystem::remove(partial / "tarnrules.dict");
    EXPECT_EQ(Run(partial / "install.cmd"), 1u);
    EXPECT_THAT(output, HasSubstr("tarnrules.dict is missing"));
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AddInClassKey));
    std::filesystem::remove_all(partial);
}

// Last: Outlook (this process) loads the installed library and keeps it.
TEST_F(Package, OutlookLoadsTheInstalledAddInAndAnUninstallWhileItIsLoadedSaysWhatIsLeft) {
    ASSERT_EQ(Install(), 0u) << output;
    StandIn outlook;
    const auto explorer = outlook.Sim().OpenExplorer(outlook.Sim().Inbox());
    outlook.Pump();
    outlook.Connect();
    outlook.Pump();
    wchar_t loaded[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(GetModuleHandleW(L"Tarn4OL.dll"), loaded, MAX_PATH), 0u);
    EXPECT_TRUE(std::filesystem::equivalent(loaded, target / "Tarn4OL.dll"));
    EXPECT_NE(explorer->Bars()->FindControl(host::ControlType::Button, u"btnAbout"), nullptr);

    outlook.RegisterAsRunning();
    ASSERT_EQ(Uninstall(), 0u) << output;
    EXPECT_EQ(explorer->Bars()->FindControl(host::ControlType::Button, u"btnAbout"), nullptr);
    for (const wchar_t* key : {AddInClassKey, AddInProgIdKey, OutlookAddInKey}) EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, key));
    // Outlook holds the library open: it stays, and the script says what to do.
    EXPECT_TRUE(std::filesystem::exists(target / "Tarn4OL.dll"));
    EXPECT_FALSE(std::filesystem::exists(target / "README.txt"));
    EXPECT_THAT(output, HasSubstr("close Outlook"));
    outlook.Exit();
}

}  // namespace
}  // namespace tarn::outlook
