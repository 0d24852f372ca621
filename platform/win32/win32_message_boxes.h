#pragma once

#include <windows.h>

#include "platform/message_box.h"

namespace tarn::platform {

// Modal message boxes with an OK button and the information or error icon, owned by the
// thread's active window (Outlook's, when it is active) and disabling the thread's other
// windows when there is none.
class Win32MessageBoxes final : public MessageBoxes {
public:
    // MessageBoxW or a stand-in with its parameters, so that tests run where no box can open.
    using ShowFunction = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

    explicit Win32MessageBoxes(ShowFunction show = MessageBoxW) noexcept : show_(show) {}

    void Show(const std::u16string& text, const std::u16string& caption, MessageBoxKind kind) override;

private:
    ShowFunction show_;
};

}  // namespace tarn::platform
