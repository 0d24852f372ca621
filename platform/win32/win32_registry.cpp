#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstring>

namespace tarn::platform {

namespace {

std::string SubKey(std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return std::string(path);
}

[[noreturn]] void Fail(const char* action, std::string_view name, LONG status) {
    throw RegistryError(std::string("Cannot ") + action + " registry value \"" + std::string(name) + "\" (error " +
                        std::to_string(status) + ")");
}

class Win32Key final : public RegistryKey {
public:
    explicit Win32Key(HKEY key) : key_(key) {}
    ~Win32Key() override { RegCloseKey(key_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    std::optional<RegistryValue> Read(std::string_view name) override {
        const std::string value_name(name);
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_, value_name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::string data(size, '\0');
        if (RegQueryValueExA(key_, value_name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.resize(size);
        RegistryValue value;
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            value.text = data.substr(0, data.find('\0'));
        } else if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
            value.type = RegistryValue::Type::Number;
            DWORD number = 0;
            std::memcpy(&number, data.data(), sizeof number);
            value.number = number;
        } else {
            value.type = RegistryValue::Type::Other;
        }
        return value;
    }

    void WriteString(std::string_view name, std::string_view text) override {
        const std::string value_name(name);
        const std::string data(text);
        const LONG status = RegSetValueExA(key_, value_name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                           static_cast<DWORD>(data.size() + 1));
        if (status != ERROR_SUCCESS) Fail("write", name, status);
    }

    void WriteNumber(std::string_view name, std::uint32_t number) override {
        const std::string value_name(name);
        const DWORD data = number;
        const LONG status =
            RegSetValueExA(key_, value_name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
        if (status != ERROR_SUCCESS) Fail("write", name, status);
    }

    void DeleteValue(std::string_view name) override {
        const std::string value_name(name);
        const LONG status = RegDeleteValueA(key_, value_name.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) Fail("delete", name, status);
    }

    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        char name[16384];
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof name;
            if (RegEnumValueA(key_, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            names.emplace_back(name, length);
        }
        return names;
    }

private:
    HKEY key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(std::string_view path, bool create) {
    const std::string sub_key = SubKey(path);
    HKEY key = nullptr;
    const LONG status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, sub_key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                 KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                               : RegOpenKeyExA(HKEY_CURRENT_USER, sub_key.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32Key>(key);
}

void Win32Registry::DeleteKey(std::string_view path) {
    const std::string sub_key = SubKey(path);
    const LONG status = RegDeleteTreeA(HKEY_CURRENT_USER, sub_key.c_str());
    if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return;
    throw RegistryError("Cannot delete registry key \"" + sub_key + "\" (error " + std::to_string(status) + ")");
}

}  // namespace tarn::platform
