#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/diagnostics.h"
#include "platform/registry.h"

namespace tarn::store {

// The registry key that holds the user's settings.
inline constexpr std::string_view SettingsKeyPath = "\\Software\\Orvik' Tarn4OL\\Settings";
inline constexpr std::string_view AllAlphabetsBlocked = "111111111111";

// The user's settings as the add-in holds them while Outlook runs, with their defaults. The
// four numbers keep the low 8 bits of what the registry stores.
struct Settings {
    bool load_ol_addresses = true;          // "Load OL Addresses": scan the address book once
    std::uint8_t move_to_folder = 0;        // "Move to Folder": 0 quarantine, else Deleted Items
    std::uint8_t automatic_report = 0;      // "Automatic Report": 0 automatic, 1 manual
    std::uint8_t reporting_interval = 1;    // "Reporting Interval": 0 never, 1..4 quarter hours, 5 on exit
    std::uint8_t protection_level = 3;      // "Protection Level"
    bool health = true;                     // "Health", "Bargains", "Internet", "Money", "Adult":
    bool bargains = true;                   //   stored category flags
    bool internet = true;
    bool money = true;
    bool adult = true;
    std::string alphabet_groups = std::string(AllAlphabetsBlocked);  // "Alphabet Groups"
    bool show_splash = true;                // "ShowSplash"
    bool block_english = false;             // "BlockEnglish"
    bool only_address_book = false;         // "OnlyAddressBook"
    bool paused = false;                    // "Paused"
    bool diagnostics = false;               // "Diagnostics": contained failures also go to a log file
    bool learning = true;                   // "Learning": friend and foe marks teach the rating engine

    bool operator==(const Settings&) const = default;
};

// Reads the settings key (creating it when missing) value by value, in a fixed order. A value
// that is missing or of the wrong type keeps the value the setting holds, and the reading goes
// on with the next one; "Alphabet Groups" missing or not a string blocks every alphabet. A
// value of the wrong type, and a key that cannot be opened, are recorded. Nothing escapes.
void LoadSettings(platform::Registry& registry, Settings& settings, platform::Diagnostics& diagnostics) noexcept;

// Sets one setting by its registry value name ("BlockEnglish", "Move to Folder", "Alphabet
// Groups"...; letter case ignored) from text: a decimal number for numbers and Booleans, up to
// twelve digits 0 or 1 for "Alphabet Groups". Raises std::invalid_argument for an unknown name
// or a value the setting cannot hold: Booleans take 0 or 1, "Automatic Report" 0 or 1,
// "Reporting Interval" 0 to 5, the other numbers 0 to 255.
void ApplySetting(Settings& settings, std::string_view name, std::string_view value);

// The registry value name of a setting named in any letter case ("blockenglish" gives
// "BlockEnglish"); raises std::invalid_argument for an unknown name.
std::string_view SettingValueName(std::string_view name);

// Writes every setting to the key (creating it when missing); the first write that fails stops
// the writing and is recorded.
void SaveSettings(platform::Registry& registry, const Settings& settings, platform::Diagnostics& diagnostics) noexcept;

// The options dialog's alphabet ticks: stores the twelve 0s and 1s both in the settings and in
// the registry value "Alphabet Groups" at once. False, and nothing changed, when the settings
// key cannot be opened; raises platform::RegistryError when the value cannot be written.
bool StoreAlphabetGroups(platform::Registry& registry, Settings& settings, const std::string& groups);

}  // namespace tarn::store
