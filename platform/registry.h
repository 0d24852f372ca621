#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::platform {

// A registry key that could not be read or written.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One registry value: a string (REG_SZ), a 32-bit number (REG_DWORD), or any other type,
// which the add-in never writes and reads only to refuse it.
struct RegistryValue {
    enum class Type { String, Number, Other };
    Type type = Type::String;
    std::string text;         // for String
    std::uint32_t number = 0; // for Number
};

// An open key under the current user's root.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // None when the key holds no value of that name. Names ignore letter case.
    virtual std::optional<RegistryValue> Read(std::string_view name) = 0;
    // Raise RegistryError when the value cannot be stored.
    virtual void WriteString(std::string_view name, std::string_view text) = 0;
    virtual void WriteNumber(std::string_view name, std::uint32_t number) = 0;
    virtual void DeleteValue(std::string_view name) = 0;
    virtual std::vector<std::string> ValueNames() = 0;
};

// The current user's part of the registry (HKEY_CURRENT_USER). Key paths are written as the
// add-in writes them, with or without a leading backslash: "\Software\Orvik' Tarn4OL\Settings".
class Registry {
public:
    virtual ~Registry() = default;
    // Null when the key cannot be opened (or, with `create`, created).
    virtual std::unique_ptr<RegistryKey> OpenKey(std::string_view path, bool create) = 0;
    // Removes a key and everything below it; nothing happens when it does not exist.
    virtual void DeleteKey(std::string_view path) = 0;
};

}  // namespace tarn::platform
