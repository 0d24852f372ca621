#pragma once

#include <windows.h>

#include "platform/diagnostics_log.h"

namespace tarn::platform {

// Lines for a debugger or a tool such as DebugView, through OutputDebugStringW.
class Win32DebugOutput final : public DebugOutput {
public:
    // OutputDebugStringW or a stand-in, so that tests can read what was written.
    using WriteFunction = void(WINAPI*)(LPCWSTR text);

    explicit Win32DebugOutput(WriteFunction write = OutputDebugStringW) noexcept : write_(write) {}

    void Write(std::string_view line) noexcept override;

private:
    WriteFunction write_;
};

}  // namespace tarn::platform
