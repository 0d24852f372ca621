#include "store/settings.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <variant>

#include "platform/diagnostics.h"
#include "platform/text_compare.h"

namespace tarn::store {

namespace {

using platform::RegistryValue;

// A setting as the registry knows it: its value name, where it lives in memory, and the
// largest value its meaning allows (Booleans 1; numbers whose values name choices, the last
// choice; other numbers what 8 bits hold).
using Field = std::variant<bool Settings::*, std::uint8_t Settings::*, std::string Settings::*>;
struct Setting {
    std::string_view name;
    Field field;
    std::uint32_t maximum = 1;
};

constexpr std::uint32_t AnyByte = 255;
constexpr std::size_t AlphabetGroupCount = AllAlphabetsBlocked.size();

// In the order in which they are read.
constexpr Setting AllSettings[] = {
    {"Load OL Addresses", &Settings::load_ol_addresses},
    {"Move to Folder", &Settings::move_to_folder, AnyByte},
    {"Automatic Report", &Settings::automatic_report, 1},
    {"Reporting Interval", &Settings::reporting_interval, 5},
    {"Protection Level", &Settings::protection_level, AnyByte},
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
    {"Diagnostics", &Settings::diagnostics},
    {"Learning", &Settings::learning},
};

// The order of writing differs: "Paused" (14) right after "Adult" (9), "Alphabet Groups" (10)
// after the Booleans, and "Diagnostics" (15) and "Learning" (16), which came later, last.
constexpr std::size_t WriteOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 11, 12, 13, 10, 15, 16};
static_assert(std::size(WriteOrder) == std::size(AllSettings));

constexpr bool IsText(const Setting& setting) { return std::holds_alternative<std::string Settings::*>(setting.field); }

// Stores a value into its setting: numbers and Booleans from `number` (numbers keep their low
// 8 bits), strings from `text`.
void Assign(Settings& settings, const Setting& setting, std::uint32_t number, std::string text) {
    std::visit(
        [&](auto member) {
            using Value = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<Value, bool>) settings.*member = number != 0;
            else if constexpr (std::is_same_v<Value, std::uint8_t>) settings.*member = static_cast<std::uint8_t>(number & 0xFF);
            else settings.*member = std::move(text);
        },
        setting.field);
}

// Reads one value into its setting. A value that is missing or of the wrong type keeps what
// the setting holds (its default at start-up), except "Alphabet Groups", which then blocks
// every alphabet; a value of the wrong type is recorded, as something the user may want to
// know of. Whatever happens, the next value is read.
void Load(platform::RegistryKey& key, const Setting& setting, Settings& settings, platform::Diagnostics& diagnostics) {
    const auto expected = IsText(setting) ? RegistryValue::Type::String : RegistryValue::Type::Number;
    std::optional<RegistryValue> value;
    const bool read = platform::Contain(diagnostics, "LoadSettings", [&] { value = key.Read(setting.name); });
    if (read && value && value->type == expected) {
        Assign(settings, setting, value->number, std::move(value->text));
        return;
    }
    if (read && value) {
        diagnostics.Record("LoadSettings", "the registry value \"" + std::string(setting.name) + "\" is " +
                                               (IsText(setting) ? "not a string" : "not a number") +
                                               "; the setting keeps its default");
    }
    // The one string, "Alphabet Groups": unreadable, it blocks every alphabet, the filter's safe side.
    if (IsText(setting)) settings.alphabet_groups = std::string(AllAlphabetsBlocked);
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

std::uint32_t ParseNumber(const Setting& setting, std::string_view value) {
    std::uint32_t number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() || number > setting.maximum) {
        throw std::invalid_argument("the setting \"" + std::string(setting.name) + "\" takes a number from 0 to " +
                                    std::to_string(setting.maximum) + ", not \"" + std::string(value) + "\"");
    }
    return number;
}

std::string ParseAlphabetGroups(const Setting& setting, std::string_view value) {
    if (value.size() > AlphabetGroupCount || value.find_first_not_of("01") != std::string_view::npos) {
        throw std::invalid_argument("the setting \"" + std::string(setting.name) + "\" takes up to " +
                                    std::to_string(AlphabetGroupCount) + " digits 0 or 1, not \"" +
                                    std::string(value) + "\"");
    }
    return std::string(value);
}

const Setting& SettingNamed(std::string_view name) {
    const auto* setting = std::find_if(std::begin(AllSettings), std::end(AllSettings), [&](const Setting& candidate) {
        return platform::CompareTextIgnoreCase(candidate.name, name) == 0;
    });
    if (setting == std::end(AllSettings)) throw std::invalid_argument("no setting is named \"" + std::string(name) + "\"");
    return *setting;
}

}  // namespace

std::string_view SettingValueName(std::string_view name) { return SettingNamed(name).name; }

void ApplySetting(Settings& settings, std::string_view name, std::string_view value) {
    const Setting* setting = &SettingNamed(name);
    if (IsText(*setting)) Assign(settings, *setting, 0, ParseAlphabetGroups(*setting, value));
    else Assign(settings, *setting, ParseNumber(*setting, value), {});
}

void LoadSettings(platform::Registry& registry, Settings& settings, platform::Diagnostics& diagnostics) noexcept {
    platform::Contain(diagnostics, "LoadSettings", [&] {
        const auto key = registry.OpenKey(SettingsKeyPath, true);
        if (!key) throw platform::RegistryError("the settings key cannot be opened; the settings in force stay");
        for (const auto& setting : AllSettings) Load(*key, setting, settings, diagnostics);
    });
}

void SaveSettings(platform::Registry& registry, const Settings& settings, platform::Diagnostics& diagnostics) noexcept {
    // The values not yet written when a write fails keep what the registry held.
    platform::Contain(diagnostics, "SaveSettings", [&] {
        const auto key = registry.OpenKey(SettingsKeyPath, true);
        if (!key) throw platform::RegistryError("the settings key cannot be opened");
        for (const std::size_t index : WriteOrder) Save(*key, AllSettings[index], settings);
    });
}

bool StoreAlphabetGroups(platform::Registry& registry, Settings& settings, const std::string& groups) {
    const auto key = registry.OpenKey(SettingsKeyPath, true);
    if (!key) return false;
    settings.alphabet_groups = groups;
    key->WriteString("Alphabet Groups", groups);
    return true;
}

}  // namespace tarn::store
