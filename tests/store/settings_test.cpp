#include <gtest/gtest.h>

#include "platform/reg_file_registry.h"
#include "store/settings.h"
#include "tests/support/recorded_diagnostics.h"
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
    test_support::RecordedDiagnostics diagnostics;

    // Every value as a previous shutdown wrote it, none of them its default.
    static Settings Stored() {
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
        stored.diagnostics = true;
        return stored;
    }
    void WriteAll() { SaveSettings(registry, Stored(), diagnostics); }
};

TEST_F(SettingsStore, AFirstStartKeepsTheDefaultsAndTheExitWritesEveryValue) {
    Settings settings;
    settings.alphabet_groups = "0";
    LoadSettings(registry, settings, diagnostics);
    EXPECT_TRUE(settings.load_ol_addresses);
    EXPECT_EQ(settings.reporting_interval, 1);
    EXPECT_FALSE(settings.diagnostics);
    EXPECT_TRUE(settings.learning);
    EXPECT_EQ(settings.alphabet_groups, "111111111111");
    EXPECT_EQ(diagnostics.Text(), "");  // a first start is nothing to write down
    settings.load_ol_addresses = false;
    SaveSettings(registry, settings, diagnostics);
    const auto key = Key();
    EXPECT_EQ(key->ValueNames(),
              (std::vector<std::string>{"Load OL Addresses", "Move to Folder", "Automatic Report", "Reporting Interval",
                                        "Protection Level", "Health", "Bargains", "Internet", "Money", "Adult", "Paused",
                                        "ShowSplash", "BlockEnglish", "OnlyAddressBook", "Alphabet Groups",
                                        "Diagnostics", "Learning"}));
    EXPECT_EQ(key->Read("Load OL Addresses")->number, 0u);
    EXPECT_EQ(key->Read("Protection Level")->number, 3u);
    EXPECT_EQ(key->Read("Alphabet Groups")->type, RegistryValue::Type::String);
}

TEST_F(SettingsStore, EveryStoredValueIsRead) {
    WriteAll();
    Settings settings;
    LoadSettings(registry, settings, diagnostics);
    EXPECT_EQ(settings, Stored());
}

TEST_F(SettingsStore, AValueOfTheWrongTypeKeepsItsDefaultAndCostsNoOtherSetting) {
    WriteAll();
    Key()->WriteString("Reporting Interval", "4");  // as another tool might store it
    const std::string before = dir.Read("registry.reg");
    Settings settings;
    LoadSettings(registry, settings, diagnostics);
    Settings expected = Stored();
    expected.reporting_interval = Settings{}.reporting_interval;
    EXPECT_EQ(settings, expected);  // "Alphabet Groups" included
    EXPECT_NE(diagnostics.Text().find("\"Reporting Interval\" is not a number"), std::string::npos) << diagnostics.Text();

    // Written back, every other value is what it was.
    SaveSettings(registry, settings, diagnostics);
    Settings reloaded;
    LoadSettings(registry, reloaded, diagnostics);
    EXPECT_EQ(reloaded, expected);
    EXPECT_EQ(Key()->Read("Alphabet Groups")->text, "000000000000");
    EXPECT_NE(before, dir.Read("registry.reg"));  // the interval is a number again
}

TEST_F(SettingsStore, AMissingValueKeepsItsDefaultAndTheLoadGoesOn) {
    WriteAll();
    Key()->DeleteValue("ShowSplash");
    Settings settings;
    LoadSettings(registry, settings, diagnostics);
    Settings expected = Stored();
    expected.show_splash = true;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(diagnostics.Text(), "");
}

TEST_F(SettingsStore, AlphabetGroupsThatCannotBeReadBlockEveryAlphabet) {
    for (const bool missing : {true, false}) {
        WriteAll();
        if (missing) Key()->DeleteValue("Alphabet Groups");
        else Key()->WriteNumber("Alphabet Groups", 1);
        Settings settings;
        settings.alphabet_groups = "";
        LoadSettings(registry, settings, diagnostics);
        Settings expected = Stored();
        expected.alphabet_groups = "111111111111";
        EXPECT_EQ(settings, expected) << (missing ? "missing" : "a number");
    }
}

TEST_F(SettingsStore, NumbersKeepTheirLowEightBits) {
    WriteAll();
    Key()->WriteNumber("Move to Folder", 258);
    Settings settings;
    LoadSettings(registry, settings, diagnostics);
    EXPECT_EQ(settings.move_to_folder, 2);
    SaveSettings(registry, settings, diagnostics);
    EXPECT_EQ(Key()->Read("Move to Folder")->number, 2u);
}

TEST_F(SettingsStore, AKeyThatCannotBeOpenedChangesNothingAndIsRecorded) {
    dir.Write("broken.reg", "not a registry\r\n");
    platform::RegFileRegistry broken(dir / "broken.reg");
    Settings settings;
    settings.paused = true;
    settings.alphabet_groups = "0";
    LoadSettings(broken, settings, diagnostics);
    EXPECT_TRUE(settings.paused);
    EXPECT_EQ(settings.alphabet_groups, "0");
    SaveSettings(broken, settings, diagnostics);
    EXPECT_EQ(dir.Read("broken.reg"), "not a registry\r\n");
    ASSERT_EQ(diagnostics.Entries().size(), 2u);
    EXPECT_EQ(diagnostics.Entries()[0].place, "LoadSettings");
    EXPECT_EQ(diagnostics.Entries()[1].place, "SaveSettings");
}

TEST_F(SettingsStore, AFailedWriteKeepsTheEarlierValuesOfWhatFollowsAndIsRecorded) {
    WriteAll();
    std::filesystem::remove(dir / "registry.reg");
    std::filesystem::create_directory(dir / "registry.reg");
    Settings defaults;
    EXPECT_NO_THROW(SaveSettings(registry, defaults, diagnostics));
    EXPECT_EQ(Key()->Read("Load OL Addresses")->number, 0u);  // the values stored before stay
    EXPECT_EQ(Key()->Read("Paused")->number, 1u);
    ASSERT_EQ(diagnostics.Entries().size(), 1u);
    EXPECT_NE(diagnostics.Entries()[0].failure.find("registry.reg"), std::string::npos) << diagnostics.Text();
}

}  // namespace
}  // namespace tarn::store

namespace tarn::store {
namespace {

TEST(ApplySetting, SetsASettingByItsRegistryName) {
    Settings settings;
    ApplySetting(settings, "blockenglish", "1");
    ApplySetting(settings, "Move to Folder", "2");
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

TEST(ApplySetting, RefusesANumberOutsideTheSettingsRangeInsteadOfWrappingIt) {
    Settings settings;
    EXPECT_THROW(ApplySetting(settings, "Move to Folder", "256"), std::invalid_argument);  // would wrap to 0
    EXPECT_THROW(ApplySetting(settings, "Paused", "2"), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Reporting Interval", "6"), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Automatic Report", "4294967296"), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Alphabet Groups", "0000100000001"), std::invalid_argument);
    EXPECT_THROW(ApplySetting(settings, "Alphabet Groups", "00001x"), std::invalid_argument);
    EXPECT_EQ(settings, Settings{});
    ApplySetting(settings, "Move to Folder", "255");
    ApplySetting(settings, "Reporting Interval", "5");
    ApplySetting(settings, "Alphabet Groups", "");
    EXPECT_EQ(settings.move_to_folder, 255);
    EXPECT_EQ(settings.reporting_interval, 5);
    EXPECT_EQ(settings.alphabet_groups, "");
}

}  // namespace
}  // namespace tarn::store
