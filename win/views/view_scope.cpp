#include "win/views/view_scope.h"

#include "platform/win32/own_module.h"
#include "win/views/view_resources.h"

namespace tarn::win {

namespace {

// The library's activation context, made once and kept for the life of the process.
HANDLE ViewsActivationContext() noexcept {
    static const HANDLE context = [] {
        ACTCTXW description{};
        description.cbSize = sizeof description;
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = platform::OwnModule();
        description.lpResourceName = MAKEINTRESOURCEW(IDR_VIEWS_MANIFEST);
        return CreateActCtxW(&description);
    }();
    return context;
}

using SetThreadDpiAwarenessContextFunction = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

// SetThreadDpiAwarenessContext where Windows has it (Windows 10 1607 and later).
SetThreadDpiAwarenessContextFunction SetThreadDpiAwareness() noexcept {
    static const auto function = reinterpret_cast<SetThreadDpiAwarenessContextFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    return function;
}

}  // namespace

ViewScope::ViewScope() noexcept {
    if (const HANDLE context = ViewsActivationContext(); context != INVALID_HANDLE_VALUE) {
        activated_ = ActivateActCtx(context, &activation_cookie_) != FALSE;
    }
    if (const auto set_awareness = SetThreadDpiAwareness()) {
        previous_dpi_ = set_awareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    }
}

ViewScope::~ViewScope() {
    if (previous_dpi_ != nullptr) SetThreadDpiAwareness()(previous_dpi_);
    if (activated_) DeactivateActCtx(0, activation_cookie_);
}

}  // namespace tarn::win
