#include "store/settings.h"

#include <stdexcept>
#include <variant>

namespace tarn::store {

namespace {

using platform::RegistryValue;

// A setting as the registry knows it: its value name and where it lives in memory.
using Field = std::variant<bool Settings::*, std::uint8_t Settings::*, std::string Settings::*>;
struct Setting {
    std::string_view name;
    Field field;
};

// In the order in which they are read.
constexpr Setting AllSettings[] = {
    {"Load OL Addresses", &Settings::load_ol_addresses},
    {"Move to Folder", &Settings::move_to_folder},
    {"Automatic Report", &Settings::automatic_report},
    {"Reporting Interval", &Settings::reporting_interval},
    {"Protection Level", &Settings::protection_level},
    {"Health", &Settings::health},
    {"Bargains", &Settings::bargains},
    {"Internet", &Settings::internet},
    {"Money", &Settings::money},
    {"Adult", &Settings::adult},
    {"Alphabet Groups", &Settings::alphabet_groups},
    {"ShowSplash", &Settings::show_splash},
    {"BlockEnglish", &Settings::block_english},
    {"OnlyAddressBook", &Settings::only_address_book},
    {"Paused", &Settings::paused},
};

// The order of writing differs: "Paused" (14) right after "Adult" (9), "Alphabet Groups" (10)
// last.
constexpr std::size_t WriteOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 11, 12, 13, 10};

std::uint32_t ReadNumber(platform::RegistryKey& key, std::string_view name) {
    const auto value = key.Read(name);
    if (!value || value->type != RegistryValue::Type::Number) {
        throw std::runtime_error("registry value \"" + std::string(name) + "\" is missing or not a number");
    }
    return value->number;
}

std::string ReadString(platform::RegistryKey& key, std::string_view name) {
    const auto value = key.Read(name);
    if (!value) return {};
    if (value->type != RegistryValue::Type::String) {
        throw std::runtime_error("registry value \"" + std::string(name) + "\" is not a string");
    }
    return value->text;
}

void Load(platform::RegistryKey& key, const Setting& setting, Settings& settings) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Value, bool>) settings.*member = ReadNumber(key, setting.name) != 0;
            else if constexpr (std::is_same_v<Value, std::uint8_t>) settings.*member = static_cast<std::uint8_t>(ReadNumber(key, setting.name) & 0xFF);
            else settings.*member = ReadString(key, setting.name);
        },
        setting.field);
}

void Save(platform::RegistryKey& key, const Setting& setting, const Settings& settings) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_cvref_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Value, std::string>) key.WriteString(setting.name, settings.*member);
            else key.WriteNumber(setting.name, static_cast<std::uint32_t>(settings.*member));
        },
        setting.field);
}

}  // namespace

void LoadSettings(platform::Registry& registry, Settings& settings) noexcept {
    try {
        const auto key = registry.OpenKey(SettingsKeyPath, true);
        if (!key) return;
        try {
            for (const auto& setting : AllSettings) Load(*key, setting, settings);
        } catch (const std::exception&) {
            settings.alphabet_groups = std::string(AllAlphabetsBlocked);
        }
    } catch (...) {
        // A registry that fails outright leaves the settings as they were.
    }
}

void SaveSettings(platform::Registry& registry, const Settings& settings) noexcept {
    try {
        const auto key = registry.OpenKey(SettingsKeyPath, true);
        if (!key) return;
        for (const std::size_t index : WriteOrder) Save(*key, AllSettings[index], settings);
    } catch (...) {
        // The values not yet written keep what the registry held.
    }
}

}  // namespace tarn::store
