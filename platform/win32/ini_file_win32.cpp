// The Windows profile functions themselves; they open the file at each read.
#include <windows.h>

#include "platform/codepage.h"
#include "platform/ini_file.h"

namespace tarn::platform {

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::u16string wide_section = Widen(section);
    const std::u16string wide_key = Widen(key);
    const std::u16string wide_fallback = Widen(fallback);
    wchar_t buffer[MaxProfileValueLength + 1];
    const DWORD length = GetPrivateProfileStringW(
        reinterpret_cast<const wchar_t*>(wide_section.c_str()), reinterpret_cast<const wchar_t*>(wide_key.c_str()),
        reinterpret_cast<const wchar_t*>(wide_fallback.c_str()), buffer, MaxProfileValueLength + 1, path_.c_str());
    return Narrow(std::u16string(reinterpret_cast<const char16_t*>(buffer), length));
}

}  // namespace tarn::platform
