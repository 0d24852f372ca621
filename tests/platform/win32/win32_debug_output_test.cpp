#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_debug_output.h"

namespace tarn::platform {
namespace {

std::wstring written;

void WINAPI RecordDebugString(LPCWSTR text) { written = text; }

TEST(Win32DebugOutput, WritesTheLineInUtf16WithItsLineEnd) {
    Win32DebugOutput output(RecordDebugString);
    output.Write("Tarn4OL: SaveLists: Cannot write \"caf\xE9.tarn\"");
    EXPECT_EQ(written, L"Tarn4OL: SaveLists: Cannot write \"caf\u00e9.tarn\"\r\n");
}

}  // namespace
}  // namespace tarn::platform
