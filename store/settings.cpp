#include "store/settings.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <stdexcept>
#include <variant>

#include "platform/text_compare.h"

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

// Stores a value into its setting: `number()` for numbers and Booleans (numbers keep their low
// 8 bits), `text()` for strings.
template <class Number, class Text>
void Assign(Settings& settings, const Setting& setting, Number number, Text text) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Value, bool>) settings.*member = number() != 0;
            else if constexpr (std::is_same_v<Value, std::uint8_t>) settings.*member = static_cast<std::uint8_t>(number() & 0xFF);
            else settings.*member = text();
        },
        setting.field);
}

void Load(platform::RegistryKey& key, const Setting& setting, Settings& settings) {
    Assign(settings, setting, [&] { return ReadNumber(key, setting.name); }, [&] { return ReadString(key, setting.name); });
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

std::uint32_t ParseNumber(std::string_view name, std::string_view value) {
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
        throw std::invalid_argument("the setting \"" + std::string(name) + "\" takes a number, not \"" +
                                    std::string(value) + "\"");
    }
    return number;
}

}  // namespace

void ApplySetting(Settings& settings, std::string_view name, std::string_view value) {
    const auto* setting = std::find_if(std::begin(AllSettings), std::end(AllSettings), [&](const Setting& candidate) {
        return platform::CompareTextIgnoreCase(candidate.name, name) == 0;
    });
    if (setting == std::end(AllSettings)) throw std::invalid_argument("no setting is named \"" + std::string(name) + "\"");
    Assign(settings, *setting, [&] { return ParseNumber(name, value); }, [&] { return std::string(value); });
}

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
