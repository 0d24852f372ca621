#include <gtest/gtest.h>

#include "platform/reg_file_registry.h"
#include "store/settings.h"
#include "tests/support/temp_dir.h"

namespace tarn::store {
namespace {

using platform::RegistryValue;
using test_support::TempDir;

class SettingsStore : public ::testing::Test {
protected:
    TempDir dir;
    platform::RegFileRegistry registry{dir / "registry.reg"};

    std::unique_ptr<platform::RegistryKey> Key() { return registry.OpenKey(SettingsKeyPath, true); }
    // Every value as a previous shutdown wrote it, with non-default contents.
    void WriteAll() {
        Settings stored;
        stored.load_ol_addresses = false;
        stored.move_to_folder = 1;
        stored.automatic_report = 1;
        stored.reporting_interval = 4;
        stored.protection_level = 2;
        stored.health = stored.bargains = stored.internet = stored.money = stored.adult = false;
        stored.alphabet_groups = "000000000000";
        stored.show_splash = false;
        stored.block_english = true;
        stored.only_address_book = true;
        stored.paused = true;
        SaveSettings(registry, stored);
    }
};

TEST_F(SettingsStore, AFirstStartKeepsTheDefaultsAndTheExitWritesAllFifteenValues) {
    Settings settings;
    settings.alphabet_groups = "0";
    LoadSettings(registry, settings);
    EXPECT_TRUE(settings.load_ol_addresses);
    EXPECT_EQ(settings.reporting_interval, 1);
    EXPECT_EQ(settings.alphabet_groups, "111111111111");
    settings.load_ol_addresses = false;
    SaveSettings(registry, settings);
    const auto key = Key();
    EXPECT_EQ(key->ValueNames(),
              (std::vector<std::string>{"Load OL Addresses", "Move to Folder", "Automatic Report", "Reporting Interval",
                                        "Protection Level", "Health", "Bargains", "Internet", "Money", "Adult", "Paused",
                                        "ShowSplash", "BlockEnglish", "OnlyAddressBook", "Alphabet Groups"}));
    EXPECT_EQ(key->Read("Load OL Addresses")->number, 0u);
    EXPECT_EQ(key->Read("Protection Level")->number, 3u);
    EXPECT_EQ(key->Read("Alphabet Groups")->type, RegistryValue::Type::String);
}

TEST_F(SettingsStore, EveryStoredValueIsRead) {
    WriteAll();
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_FALSE(settings.load_ol_addresses);
    EXPECT_EQ(settings.move_to_folder, 1);
    EXPECT_EQ(settings.reporting_interval, 4);
    EXPECT_EQ(settings.protection_level, 2);
    EXPECT_FALSE(settings.adult);
    EXPECT_EQ(settings.alphabet_groups, "000000000000");
    EXPECT_FALSE(settings.show_splash);
    EXPECT_TRUE(settings.block_english);
    EXPECT_TRUE(settings.only_address_book);
    EXPECT_TRUE(settings.paused);
}

TEST_F(SettingsStore, ANumberOfTheWrongTypeStopsTheLoadThere) {
    WriteAll();
    Key()->WriteString("Reporting Interval", "4");
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.automatic_report, 1);      // read before the bad value
    EXPECT_EQ(settings.reporting_interval, 1);    // the bad value and all after it: defaults
    EXPECT_EQ(settings.protection_level, 3);
    EXPECT_FALSE(settings.paused);
    EXPECT_EQ(settings.alphabet_groups, "111111111111");
}

TEST_F(SettingsStore, AMissingAlphabetGroupsReadsAsEmptyAndTheLoadGoesOn) {
    WriteAll();
    Key()->DeleteValue("Alphabet Groups");
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.alphabet_groups, "");
    EXPECT_TRUE(settings.paused);
}

TEST_F(SettingsStore, AMissingValueAfterAlphabetGroupsResetsTheAlphabets) {
    WriteAll();
    Key()->DeleteValue("ShowSplash");
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.alphabet_groups, "111111111111");  // "000000000000" was read, then replaced
    EXPECT_FALSE(settings.block_english);
    EXPECT_FALSE(settings.only_address_book);
    EXPECT_FALSE(settings.paused);
}

TEST_F(SettingsStore, AlphabetGroupsOfAnotherTypeStopsTheLoad) {
    WriteAll();
    Key()->WriteNumber("Alphabet Groups", 1);
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.alphabet_groups, "111111111111");
    EXPECT_TRUE(settings.show_splash);
}

TEST_F(SettingsStore, NumbersKeepTheirLowEightBits) {
    WriteAll();
    Key()->WriteNumber("Move to Folder", 258);
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.move_to_folder, 2);
    SaveSettings(registry, settings);
    EXPECT_EQ(Key()->Read("Move to Folder")->number, 2u);
}

TEST_F(SettingsStore, AKeyThatCannotBeOpenedChangesNothing) {
    dir.Write("broken.reg", "not a registry\r\n");
    platform::RegFileRegistry broken(dir / "broken.reg");
    Settings settings;
    settings.paused = true;
    settings.alphabet_groups = "0";
    LoadSettings(broken, settings);
    EXPECT_TRUE(settings.paused);
    EXPECT_EQ(settings.alphabet_groups, "0");
    SaveSettings(broken, settings);
    EXPECT_EQ(dir.Read("broken.reg"), "not a registry\r\n");
}

TEST_F(SettingsStore, AFailedWriteKeepsTheEarlierValuesOfWhatFollows) {
    WriteAll();
    std::filesystem::remove(dir / "registry.reg");
    std::filesystem::create_directory(dir / "registry.reg");
    Settings defaults;
    EXPECT_NO_THROW(SaveSettings(registry, defaults));
    EXPECT_EQ(Key()->Read("Load OL Addresses")->number, 0u);  // the values stored before stay
    EXPECT_EQ(Key()->Read("Paused")->number, 1u);
}

}  // namespace
}  // namespace tarn::store

namespace tarn::store {
namespace {

TEST(ApplySetting, SetsASettingByItsRegistryName) {
    Settings settings;
    ApplySetting(settings, "blockenglish", "1");
    ApplySetting(settings, "Move to Folder", "258");
    ApplySetting(settings, "Alphabet Groups", "000010000000");
    EXPECT_TRUE(settings.block_english);
    EXPECT_EQ(settings.move_to_folder, 2);
    EXPECT_EQ(settings.alphabet_groups, "000010000000");
    ApplySetting(settings, "BlockEnglish", "0");
    EXPECT_FALSE(settings.block_english);
}

TEST(ApplySetting, RefusesUnknownNamesAndValuesThatAreNoNumbers) {
    Settings settings;
    EXPECT_THROW(ApplySetting(settings, "BlockFrench", "1"), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Paused", "yes"), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Reporting Interval", ""), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Reporting Interval", "-1"), std::invalid_argument);
    EXPECT_FALSE(settings.paused);
}

}  // namespace
}  // namespace tarn::store
