// The same contract for every registry backend: the .reg file everywhere, and on Windows the
// real registry under a key of the test's own.
#include <gtest/gtest.h>

#include <random>

#include "platform/reg_file_registry.h"
#include "tests/support/temp_dir.h"
#ifdef _WIN32
#include "platform/win32/win32_registry.h"
#endif

namespace tarn::platform {
namespace {

using test_support::TempDir;

class RegFileBackend {
public:
    Registry& Get() { return registry_; }
    std::string Root() const { return "\\Software\\Tarn4OL Tests"; }

private:
    TempDir dir_;
    RegFileRegistry registry_{dir_ / "registry.reg"};
};

#ifdef _WIN32
class Win32Backend {
public:
    Win32Backend() : root_("\\Software\\Tarn4OL Tests\\" + std::to_string(std::random_device()())) {}
    ~Win32Backend() { registry_.DeleteKey(root_); }
    Registry& Get() { return registry_; }
    std::string Root() const { return root_; }

private:
    Win32Registry registry_;
    std::string root_;
};
using Backends = ::testing::Types<RegFileBackend, Win32Backend>;
#else
using Backends = ::testing::Types<RegFileBackend>;
#endif

template <class Backend>
class RegistryContract : public ::testing::Test {
protected:
    Backend backend;
    Registry& registry = backend.Get();
    std::string Path(const std::string& below) const { return backend.Root() + "\\" + below; }
};
TYPED_TEST_SUITE(RegistryContract, Backends);

TYPED_TEST(RegistryContract, AKeyOpensWithoutCreationOnlyWhenItExists) {
    EXPECT_EQ(this->registry.OpenKey(this->Path("Settings"), false), nullptr);
    EXPECT_NE(this->registry.OpenKey(this->Path("Settings"), true), nullptr);
    EXPECT_NE(this->registry.OpenKey(this->Path("SETTINGS"), false), nullptr);
}

TYPED_TEST(RegistryContract, ValuesKeepTheirTypeAndNamesIgnoreCase) {
    auto key = this->registry.OpenKey(this->Path("Settings"), true);
    ASSERT_NE(key, nullptr);
    key->WriteString("Alphabet Groups", "1010\xFC");
    key->WriteNumber("Move to Folder", 258);
    const auto text = key->Read("alphabet groups");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->type, RegistryValue::Type::String);
    EXPECT_EQ(text->text, "1010\xFC");
    const auto number = key->Read("MOVE TO FOLDER");
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->type, RegistryValue::Type::Number);
    EXPECT_EQ(number->number, 258u);
    EXPECT_FALSE(key->Read("Paused").has_value());
}

TYPED_TEST(RegistryContract, RewritingAValueReplacesItAndItsType) {
    auto key = this->registry.OpenKey(this->Path("Settings"), true);
    key->WriteNumber("Reporting Interval", 4);
    key->WriteString("Reporting Interval", "4");
    EXPECT_EQ(key->Read("Reporting Interval")->type, RegistryValue::Type::String);
    EXPECT_EQ(key->ValueNames().size(), 1u);
    key->DeleteValue("reporting interval");
    EXPECT_FALSE(key->Read("Reporting Interval").has_value());
    EXPECT_NO_THROW(key->DeleteValue("never there"));
}

TYPED_TEST(RegistryContract, WhatOneOpeningWroteTheNextReads) {
    this->registry.OpenKey(this->Path("A\\B"), true)->WriteNumber("x", 0xFFFFFFFFu);
    EXPECT_EQ(this->registry.OpenKey(this->Path("a\\b"), false)->Read("X")->number, 0xFFFFFFFFu);
}

TYPED_TEST(RegistryContract, DeletingAKeyTakesItsSubkeys) {
    this->registry.OpenKey(this->Path("Top\\Below"), true)->WriteString("v", "1");
    this->registry.OpenKey(this->Path("Top"), true)->WriteString("v", "1");
    this->registry.OpenKey(this->Path("Topping"), true)->WriteString("v", "1");
    this->registry.DeleteKey(this->Path("Top"));
    EXPECT_EQ(this->registry.OpenKey(this->Path("Top\\Below"), false), nullptr);
    EXPECT_EQ(this->registry.OpenKey(this->Path("Top"), false), nullptr);
    EXPECT_NE(this->registry.OpenKey(this->Path("Topping"), false), nullptr);
    EXPECT_NO_THROW(this->registry.DeleteKey(this->Path("Never There")));
}

TEST(RegFileRegistry, KeepsItsValuesInAFileWindowsCanImport) {
    TempDir dir;
    {
        RegFileRegistry registry(dir / "registry.reg");
        auto key = registry.OpenKey("\\Software\\Orvik' Tarn4OL\\Settings", true);
        key->WriteNumber("Paused", 1);
        key->WriteString("Quote \"and\" back\\slash", "C:\\Tarn\\\"x\"");
    }
    EXPECT_EQ(dir.Read("registry.reg"),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Orvik' Tarn4OL\\Settings]\r\n"
              "\"Paused\"=dword:00000001\r\n"
              "\"Quote \\\"and\\\" back\\\\slash\"=\"C:\\\\Tarn\\\\\\\"x\\\"\"\r\n\r\n");
    RegFileRegistry again(dir / "registry.reg");
    EXPECT_EQ(again.OpenKey("Software\\Orvik' Tarn4OL\\Settings", false)->Read("Quote \"and\" back\\slash")->text,
              "C:\\Tarn\\\"x\"");
}

TEST(RegFileRegistry, ReadsWhatRegeditExportsAndKeepsTypesItDoesNotUse) {
    const std::string exported =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "; exported\r\n"
        "[HKEY_CURRENT_USER\\Software\\Tarn]\r\n"
        "@=\"default\"\r\n"
        "\"Big\"=hex:01,02,03,\\\r\n"
        "  04,05\r\n"
        "\"Path\"=hex(2):25,00,00,00\r\n"
        "\"n\"=dword:0000002a\r\n";
    std::u16string wide = u"\uFEFF";
    for (const char ch : exported) wide += static_cast<char16_t>(static_cast<unsigned char>(ch));
    std::string utf16;
    for (const char16_t unit : wide) {
        utf16 += static_cast<char>(unit & 0xFF);
        utf16 += static_cast<char>(unit >> 8);
    }
    TempDir dir;
    dir.Write("registry.reg", utf16);
    RegFileRegistry registry(dir / "registry.reg");
    ASSERT_EQ(registry.LoadError(), "");
    auto key = registry.OpenKey("\\Software\\Tarn", false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Read("")->text, "default");
    EXPECT_EQ(key->Read("Big")->type, RegistryValue::Type::Other);
    EXPECT_EQ(key->Read("n")->number, 42u);
    key->WriteNumber("n", 7);
    const std::string rewritten = dir.Read("registry.reg");
    EXPECT_NE(rewritten.find("\"Big\"=hex:01,02,03,04,05\r\n"), std::string::npos) << rewritten;
    EXPECT_NE(rewritten.find("\"Path\"=hex(2):25,00,00,00\r\n"), std::string::npos) << rewritten;
}

TEST(RegFileRegistry, AFileItCannotKeepIsNeverWrittenAndSaysWhy) {
    for (const std::string& content : {
             std::string("this is not a registry file\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"v\"=dword:1234567890\r\n"),
             std::string("REGEDIT4\r\n\"v\"=\"value before any key\"\r\n"),
             std::string("REGEDIT4\r\n[-HKEY_CURRENT_USER\\Software\\X]\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"v\"=\"unclosed\r\n"),
             // A continuation into nothing, and a NUL byte that would hide the values after it.
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"v\"=hex:01,\\\\\r\n"),
             std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\X]\r\n\"v\"=dword:1") + '\0' +
                 "\r\n\"w\"=dword:2\r\n",
         }) {
        TempDir dir;
        dir.Write("registry.reg", content);
        RegFileRegistry registry(dir / "registry.reg");
        EXPECT_NE(registry.LoadError(), "") << content;
        EXPECT_NE(registry.LoadError().find("registry.reg"), std::string::npos) << registry.LoadError();
        EXPECT_EQ(registry.OpenKey("\\Software\\X", true), nullptr);
        registry.DeleteKey("\\Software\\X");
        EXPECT_EQ(dir.Read("registry.reg"), content);
    }
}

TEST(RegFileRegistry, AFailedWriteLeavesMemoryAsTheFileIs) {
    TempDir dir;
    RegFileRegistry registry(dir / "registry.reg");
    auto key = registry.OpenKey("\\Software\\X", true);
    key->WriteString("kept", "1");
    std::filesystem::remove(dir / "registry.reg");
    std::filesystem::create_directory(dir / "registry.reg");  // the file can no longer be replaced
    EXPECT_THROW(key->WriteString("lost", "2"), RegistryError);
    EXPECT_FALSE(key->Read("lost").has_value());
    EXPECT_TRUE(key->Read("kept").has_value());
}

}  // namespace
}  // namespace tarn::platform
