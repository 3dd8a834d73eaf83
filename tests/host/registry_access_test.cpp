// Path splitting, and the access layer where the in-memory registry can show more than Windows
// under Wine: a root that the user may only read.
#include <gtest/gtest.h>

#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "support/fakes/in_memory_registry.h"

namespace {

TEST(RootKeyFromName, KnowsTheSevenRootNamesExactly) {
    EXPECT_EQ(RootKeyFromName("HKEY_CLASSES_ROOT"), RootKey::ClassesRoot);
    EXPECT_EQ(RootKeyFromName("HKEY_CURRENT_USER"), RootKey::CurrentUser);
    EXPECT_EQ(RootKeyFromName("HKEY_LOCAL_MACHINE"), RootKey::LocalMachine);
    EXPECT_EQ(RootKeyFromName("HKEY_USERS"), RootKey::Users);
    EXPECT_EQ(RootKeyFromName("HKEY_PERFORMANCE_DATA"), RootKey::PerformanceData);
    EXPECT_EQ(RootKeyFromName("HKEY_CURRENT_CONFIG"), RootKey::CurrentConfig);
    EXPECT_EQ(RootKeyFromName("HKEY_DYN_DATA"), RootKey::DynData);
    for (const char* other : {"", "HKEY_", "hkey_current_user", "HKEY_Current_User", "HKCU",
                              "HKEY_CURRENT_USER ", " HKEY_USERS", "HKEY_USER"}) {
        EXPECT_EQ(RootKeyFromName(other), RootKey::None) << '"' << other << '"';
    }
}

TEST(SplitRegistryPath, RootAndSubkeyPath) {
    const auto nested = SplitRegistryPath("HKEY_CURRENT_USER\\Software\\Lumivo Mapper\\3");
    ASSERT_TRUE(nested);
    EXPECT_EQ(nested->root, RootKey::CurrentUser);
    EXPECT_EQ(nested->subKey, "Software\\Lumivo Mapper\\3");

    const auto bare = SplitRegistryPath("HKEY_LOCAL_MACHINE");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->root, RootKey::LocalMachine);
    EXPECT_EQ(bare->subKey, "");

    const auto doubled = SplitRegistryPath("HKEY_USERS\\\\Software");
    ASSERT_TRUE(doubled);
    EXPECT_EQ(doubled->subKey, "\\Software");
}

TEST(SplitRegistryPath, TextsThatAreNotPaths) {
    for (const char* text : {"", "\\", "HKEY_", "HKEY_\\Software", "hkey_current_user\\Software",
                             "Software\\Lumivo Mapper", "\\HKEY_CURRENT_USER\\Software",
                             "HKEY_CURRENT_USER\\", "HKEY_CURRENT_USER\\Software\\",
                             "HKEY_NOWHERE\\Software", "HKEY_CURRENT_USER \\Software"}) {
        EXPECT_FALSE(SplitRegistryPath(text)) << '"' << text << '"';
    }
}

class ReadOnlyRoot : public ::testing::Test {
protected:
    void SetUp() override {
        RegistryHandle handle = 0;
        ASSERT_EQ(registry_.CreateKey(RootKey::LocalMachine, "SOFTWARE\\Vendor", handle),
                  ErrorSuccess);
        const std::uint8_t text[] = "22H2";
        ASSERT_EQ(registry_.SetValue(handle, "DisplayVersion", RegSz, text, sizeof text),
                  ErrorSuccess);
        registry_.CloseKey(handle);
        registry_.MakeReadOnly(RootKey::LocalMachine);
    }
    void TearDown() override { EXPECT_EQ(registry_.OpenKeyCount(), 0u); }

    InMemoryRegistry registry_;
};

TEST_F(ReadOnlyRoot, ReadsAskForReadingRightsOnly) {
    EXPECT_EQ(ReadRegistryText(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor", "DisplayVersion"),
              "22H2");
    EXPECT_TRUE(RegistryKeyExists(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor"));
    EXPECT_TRUE(CreateRegistryKey(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor"));
}

TEST_F(ReadOnlyRoot, WritesFailQuietly) {
    WriteRegistryText(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor", "DisplayVersion", "x");
    WriteRegistryText(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\New", "Value", "x");
    WriteRegistryDword(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor", "Number", 1);
    EXPECT_FALSE(CreateRegistryKey(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\New"));
    DeleteRegistryKey(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor");

    EXPECT_EQ(ReadRegistryText(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor", "DisplayVersion"),
              "22H2");
    std::uint32_t number = 5;
    ReadRegistryDword(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor", "Number", number);
    EXPECT_EQ(number, 5u);
    EXPECT_FALSE(RegistryKeyExists(registry_, "HKEY_LOCAL_MACHINE\\SOFTWARE\\New"));
}

TEST(LegacyDefaultPrinterMode, NothingIsWrittenWithoutTheWindowsKey) {
    InMemoryRegistry registry;
    SetLegacyDefaultPrinterMode(registry, 1);
    EXPECT_FALSE(RegistryKeyExists(registry, WindowsPrinterKeyPath));
    EXPECT_FALSE(IsLegacyDefaultPrinterMode(registry));
    EXPECT_EQ(registry.OpenKeyCount(), 0u);
}

}  // namespace
