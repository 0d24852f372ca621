#pragma once

#include <windows.h>
#include <shellapi.h>

#include "platform/shell.h"

namespace tarn::platform {

// The shell's "open" verb, without an owner window.
class Win32Shell final : public Shell {
public:
    // ShellExecuteW or a stand-in with its parameters, so that tests start no program.
    using ExecuteFunction = HINSTANCE(WINAPI*)(HWND window, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                               LPCWSTR directory, INT show);

    explicit Win32Shell(ExecuteFunction execute = ShellExecuteW) noexcept : execute_(execute) {}

    void Open(const std::u16string& target, ShowCommand show) override;

private:
    ExecuteFunction execute_;
};

}  // namespace tarn::platform
