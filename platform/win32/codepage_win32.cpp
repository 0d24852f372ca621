// The machine's ANSI code page, through the Win32 conversion functions.
#include <windows.h>

#include <limits>
#include <stdexcept>

#include "platform/codepage.h"

namespace tarn::platform {

namespace {

int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw std::length_error("text too long to convert");
    }
    return static_cast<int>(size);
}

}  // namespace

unsigned AnsiCodePage() { return GetACP(); }

std::u16string Widen(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int length = CheckedLength(ansi.size());
    const int needed = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::u16string out(static_cast<std::size_t>(needed), u'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<wchar_t*>(out.data()), needed);
    return out;
}

std::string Narrow(std::u16string_view text) {
    if (text.empty()) return {};
    const int length = CheckedLength(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), needed, nullptr, nullptr);
    return out;
}

}  // namespace tarn::platform
