#include "win/class_keys.h"

#include <windows.h>

#include <stdexcept>

#include "platform/codepage.h"
#include "platform/win32/unique_handle.h"

namespace tarn::win {

namespace {

using UniqueKey = platform::UniqueHandle<HKEY, RegCloseKey>;

[[noreturn]] void Fail(const char* action, const std::u16string& key, LSTATUS status) {
    throw std::runtime_error(std::string("Cannot ") + action + " the registry key HKEY_CURRENT_USER\\" +
                             platform::Narrow(key) + " (error " + std::to_string(status) + ")");
}

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

void WriteRegistryString(const std::u16string& key, std::u16string_view name, std::u16string_view value) {
    UniqueKey opened;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(key), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                     nullptr, opened.Put(), nullptr);
    if (status != ERROR_SUCCESS) Fail("create", key, status);
    const std::u16string value_name(name);
    const std::u16string data(value);
    status = RegSetValueExW(opened.Get(), value_name.empty() ? nullptr : Wide(value_name), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>((data.size() + 1) * sizeof(char16_t)));
    if (status != ERROR_SUCCESS) Fail("write", key, status);
}

void DeleteRegistryKey(const std::u16string& key) {
    const LSTATUS status = RegDeleteKeyW(HKEY_CURRENT_USER, Wide(key));
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) Fail("delete", key, status);
}

}  // namespace tarn::win
