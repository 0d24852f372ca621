#pragma once

#include <windows.h>

#include <string_view>

namespace tarn::win {

// Tells the caller of a COM method why it failed (IErrorInfo): the source, the description and
// the help context (the add-in's own error number, or 0).
void SetErrorInfoFor(std::u16string_view source, std::string_view description, DWORD help_context) noexcept;

}  // namespace tarn::win
