// Message boxes and the shell's "open" through stand-ins for MessageBoxW and ShellExecuteW:
// where the tests run no box can open and no program may start.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_shell.h"

namespace tarn::platform {
namespace {

struct Call {
    HWND window = nullptr;
    std::wstring first;   // the text, or the verb
    std::wstring second;  // the caption, or the file
    bool extras = false;  // ShellExecuteW's parameters or directory
    long flags = 0;       // the box's type, or the show command
};
Call last;

int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    last = {owner, text, caption, false, static_cast<long>(type)};
    return IDOK;
}

HINSTANCE WINAPI RecordExecute(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                               INT show) {
    last = {window, verb, file, parameters != nullptr || directory != nullptr, show};
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // above 32: success
}

TEST(Win32MessageBoxes, ShowTaskModalBoxesWithOkAndTheIconOfTheirKind) {
    Win32MessageBoxes boxes(RecordMessageBox);
    boxes.Show(u"Done.", u"Tarn4OL", MessageBoxKind::Information);
    EXPECT_EQ(last.window, GetActiveWindow());
    EXPECT_EQ(last.first, L"Done.");
    EXPECT_EQ(last.second, L"Tarn4OL");
    EXPECT_EQ(last.flags, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    boxes.Show(u"\u00e9t\u00e9.tarn?", u"Error", MessageBoxKind::Error);
    EXPECT_EQ(last.first, L"\u00e9t\u00e9.tarn?");
    EXPECT_EQ(last.flags, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

TEST(Win32Shell, OpensTheTargetWithTheShowCommand) {
    Win32Shell shell(RecordExecute);
    shell.Open(u"C:\\Tarn4OL\\FLUSH.htm", ShowCommand::ShowNormal);
    EXPECT_EQ(last.window, nullptr);
    EXPECT_EQ(last.first, L"open");
    EXPECT_EQ(last.second, L"C:\\Tarn4OL\\FLUSH.htm");
    EXPECT_FALSE(last.extras);
    EXPECT_EQ(last.flags, SW_SHOWNORMAL);
    shell.Open(u"https://example.org/", ShowCommand::Restore);
    EXPECT_EQ(last.second, L"https://example.org/");
    EXPECT_EQ(last.flags, SW_RESTORE);
}

}  // namespace
}  // namespace tarn::platform
