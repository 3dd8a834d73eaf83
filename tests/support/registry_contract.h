#pragma once

// What the programs rely on from a registry, written once and run against every registry we
// have: the in-memory one on the host, Windows' own under Wine. Where the two disagree, the
// in-memory registry is wrong.
//
// A backend is a default-constructible type with
//   Registry& registry();  the registry under test, holding no test keys or settings
//   void Verify();         checks made after each test (the in-memory registry: no key left open)
// whose destructor removes whatever a test left behind.
//
// Include this header in one source file of a test program and instantiate the suites there,
// inside namespace registry_contract:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, RegistrySeamContract, Backend);
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, RegistryAccessContract, Backend);

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform/registry.h"
#include "common/settings/registry_access.h"

namespace registry_contract {

// The key reserved for tests, under HKEY_CURRENT_USER.
inline const std::string kTestSubKey = "Software\\Lumivo Tests";
inline const std::string kTestPath = "HKEY_CURRENT_USER\\" + kTestSubKey;

// The value a test may write into HKEY_CURRENT_USER itself.
inline const std::string kRootValueName = "Lumivo Test Value";

inline std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Opens HKEY_CURRENT_USER\subKey with the given rights; an empty owner when that fails.
inline RegistryKey Open(Registry& registry, const std::string& subKey, std::uint32_t access) {
    RegistryHandle handle = 0;
    if (registry.OpenKey(RootKey::CurrentUser, subKey, access, handle) != kErrorSuccess) {
        return RegistryKey();
    }
    return OwnedKey(registry, handle);
}

inline RegistryKey Create(Registry& registry, const std::string& subKey) {
    RegistryHandle handle = 0;
    EXPECT_EQ(registry.CreateKey(RootKey::CurrentUser, subKey, handle), kErrorSuccess) << subKey;
    return OwnedKey(registry, handle);
}

inline bool Exists(Registry& registry, const std::string& subKey) {
    return static_cast<bool>(Open(registry, subKey, kKeyRead));
}

// Stores a value as another program would, with exactly these bytes and this type.
inline void SetRaw(Registry& registry, const std::string& subKey, const std::string& valueName,
                   std::uint32_t type, const std::vector<std::uint8_t>& data) {
    const RegistryKey key = Create(registry, subKey);
    ASSERT_EQ(registry.SetValue(key.get(), valueName, type, data.data(),
                                static_cast<std::uint32_t>(data.size())),
              kErrorSuccess);
}

// A REG_SZ as another program would store it, with its terminating NUL.
inline void SetRawText(Registry& registry, const std::string& subKey, const std::string& valueName,
                       const std::string& text) {
    std::vector<std::uint8_t> data = Bytes(text);
    data.push_back(0);
    SetRaw(registry, subKey, valueName, kRegSz, data);
}

struct RawValue {
    RegistryStatus status = kErrorSuccess;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// The value's type and bytes as stored, or the status of the open or query that failed.
inline RawValue ReadRaw(Registry& registry, const std::string& subKey,
                        const std::string& valueName) {
    RawValue value;
    const RegistryKey key = Open(registry, subKey, kKeyRead);
    if (!key) {
        value.status = kErrorFileNotFound;
        return value;
    }
    std::uint32_t size = 0;
    value.status = registry.QueryValue(key.get(), valueName, &value.type, nullptr, &size);
    if (value.status == kErrorSuccess) {
        value.data.resize(size);
        value.status =
            registry.QueryValue(key.get(), valueName, &value.type, value.data.data(), &size);
    }
    return value;
}

// The stored bytes of a REG_SZ as text, terminating NUL included.
inline std::string StoredText(Registry& registry, const std::string& subKey,
                              const std::string& valueName) {
    const RawValue value = ReadRaw(registry, subKey, valueName);
    EXPECT_EQ(value.status, kErrorSuccess) << subKey << " : " << valueName;
    EXPECT_EQ(value.type, kRegSz) << subKey << " : " << valueName;
    return std::string(value.data.begin(), value.data.end());
}

template <typename Backend>
class RegistryTest : public ::testing::Test {
protected:
    Registry& registry() { return backend_.registry(); }
    void TearDown() override { backend_.Verify(); }

private:
    Backend backend_;
};

// The registry calls themselves, as the layers above rely on them.
template <typename Backend>
class RegistrySeamContract : public registry_contract::RegistryTest<Backend> {};
TYPED_TEST_SUITE_P(RegistrySeamContract);

// Reading, writing, creating and deleting by path.
template <typename Backend>
class RegistryAccessContract : public registry_contract::RegistryTest<Backend> {};
TYPED_TEST_SUITE_P(RegistryAccessContract);

TYPED_TEST_P(RegistrySeamContract, KeyAndValueNamesIgnoreCase) {
    Registry& registry = this->registry();
    SetRawText(registry, kTestSubKey + "\\Mixed Case", "Value Name", "stored");

    const RegistryKey key = Open(registry, "SOFTWARE\\lumivo tests\\mIXED cASE", kKeyRead);
    ASSERT_TRUE(key);
    std::uint8_t data[16] = {};
    std::uint32_t size = sizeof data;
    ASSERT_EQ(registry.QueryValue(key.get(), "VALUE NAME", nullptr, data, &size), kErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data)), "stored");

    SetRawText(registry, kTestSubKey + "\\MIXED CASE", "value name", "replaced");
    EXPECT_EQ(StoredText(registry, kTestSubKey + "\\Mixed Case", "Value Name"),
              std::string("replaced", 9));
}

TYPED_TEST_P(RegistrySeamContract, MissingKeysAndValuesAreNotFound) {
    Registry& registry = this->registry();
    const RegistryKey test = Create(registry, kTestSubKey);
    RegistryHandle handle = 0;
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, kTestSubKey + "\\Missing", kKeyRead, handle),
              kErrorFileNotFound);
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, kTestSubKey + "\\Missing\\Deeper", kKeyWrite,
                               handle),
              kErrorFileNotFound);
    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, kTestSubKey + "\\Missing"),
              kErrorFileNotFound);

    std::uint8_t data[4] = {};
    std::uint32_t size = sizeof data;
    EXPECT_EQ(registry.QueryValue(test.get(), "Missing", nullptr, data, &size), kErrorFileNotFound);
}

TYPED_TEST_P(RegistrySeamContract, QueryWithTooLittleRoomFillsNothing) {
    Registry& registry = this->registry();
    SetRawText(registry, kTestSubKey, "Text", "abcdef");
    const RegistryKey key = Open(registry, kTestSubKey, kKeyRead);
    ASSERT_TRUE(key);

    std::uint8_t data[8] = {'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z'};
    std::uint32_t type = 0;
    std::uint32_t size = 3;
    EXPECT_EQ(registry.QueryValue(key.get(), "Text", &type, data, &size), kErrorMoreData);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), sizeof data), "ZZZZZZZZ");

    size = 0;
    EXPECT_EQ(registry.QueryValue(key.get(), "Text", nullptr, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(size, 7u);

    size = 7;
    EXPECT_EQ(registry.QueryValue(key.get(), "Text", nullptr, data, &size), kErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data)), "abcdef");
}

TYPED_TEST_P(RegistrySeamContract, KeyWithSubkeysCannotBeDeleted) {
    Registry& registry = this->registry();
    Create(registry, kTestSubKey + "\\Parent\\Child");

    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, kTestSubKey + "\\Parent"),
              kErrorAccessDenied);
    EXPECT_TRUE(Exists(registry, kTestSubKey + "\\Parent\\Child"));

    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, kTestSubKey + "\\parent\\child"),
              kErrorSuccess);
    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, kTestSubKey + "\\Parent"), kErrorSuccess);
    EXPECT_FALSE(Exists(registry, kTestSubKey + "\\Parent"));
}

TYPED_TEST_P(RegistrySeamContract, RightsOfTheOpenKeyAreEnforced) {
    Registry& registry = this->registry();
    SetRawText(registry, kTestSubKey, "Text", "abc");
    const std::vector<std::uint8_t> data = Bytes(std::string("new", 4));

    const RegistryKey reader = Open(registry, kTestSubKey, kKeyRead);
    ASSERT_TRUE(reader);
    EXPECT_EQ(registry.SetValue(reader.get(), "Text", kRegSz, data.data(), 4), kErrorAccessDenied);

    const RegistryKey writer = Open(registry, kTestSubKey, kKeyWrite);
    ASSERT_TRUE(writer);
    std::uint8_t buffer[8] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(writer.get(), "Text", nullptr, buffer, &size),
              kErrorAccessDenied);
    EXPECT_EQ(registry.SetValue(writer.get(), "Text", kRegSz, data.data(), 4), kErrorSuccess);

    const RegistryKey created = Create(registry, kTestSubKey);
    size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(created.get(), "Text", nullptr, buffer, &size), kErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer)), "new");
}

TYPED_TEST_P(RegistrySeamContract, HandleOfADeletedKeyStoresNothing) {
    Registry& registry = this->registry();
    Create(registry, kTestSubKey + "\\Doomed");
    const RegistryKey writer = Open(registry, kTestSubKey + "\\Doomed", kKeyWrite);
    ASSERT_TRUE(writer);
    ASSERT_EQ(registry.DeleteKey(RootKey::CurrentUser, kTestSubKey + "\\Doomed"), kErrorSuccess);

    const std::vector<std::uint8_t> data = Bytes(std::string("x", 2));
    EXPECT_EQ(registry.SetValue(writer.get(), "Text", kRegSz, data.data(), 2), kErrorKeyDeleted);
    EXPECT_FALSE(Exists(registry, kTestSubKey + "\\Doomed"));
}

TYPED_TEST_P(RegistrySeamContract, BackslashesInSubkeyPaths) {
    Registry& registry = this->registry();
    RegistryHandle handle = 0;
    EXPECT_EQ(registry.CreateKey(RootKey::CurrentUser, "\\" + kTestSubKey, handle),
              kErrorBadPathname);
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, "\\Software", kKeyRead, handle),
              kErrorBadPathname);

    // Repeated and trailing separators name the same key as single ones.
    Create(registry, kTestSubKey + "\\\\Doubled\\");
    EXPECT_TRUE(Exists(registry, kTestSubKey + "\\Doubled"));
    EXPECT_TRUE(Exists(registry, kTestSubKey + "\\\\Doubled\\"));
}

TYPED_TEST_P(RegistrySeamContract, CreateOpensExistingKeysAndMakesMissingOnes) {
    Registry& registry = this->registry();
    SetRawText(registry, kTestSubKey + "\\A", "Kept", "yes");

    Create(registry, kTestSubKey + "\\A\\B\\C");
    EXPECT_TRUE(Exists(registry, kTestSubKey + "\\A\\B"));
    EXPECT_TRUE(Exists(registry, kTestSubKey + "\\A\\B\\C"));
    Create(registry, kTestSubKey + "\\A");
    EXPECT_EQ(StoredText(registry, kTestSubKey + "\\A", "Kept"), std::string("yes", 4));

    // The empty subkey path stands for the root itself.
    const RegistryKey root = Open(registry, "", kKeyRead);
    EXPECT_TRUE(root);
    Create(registry, "");
}

REGISTER_TYPED_TEST_SUITE_P(RegistrySeamContract, KeyAndValueNamesIgnoreCase,
                            MissingKeysAndValuesAreNotFound, QueryWithTooLittleRoomFillsNothing,
                            KeyWithSubkeysCannotBeDeleted, RightsOfTheOpenKeyAreEnforced,
                            HandleOfADeletedKeyStoresNothing, BackslashesInSubkeyPaths,
                            CreateOpensExistingKeysAndMakesMissingOnes);

TYPED_TEST_P(RegistryAccessContract, TextRoundTripIsTrimmedOfSpacesOnly) {
    Registry& registry = this->registry();
    WriteRegistryText(registry, kTestPath, "Plain", "Home network");
    EXPECT_EQ(StoredText(registry, kTestSubKey, "Plain"), std::string("Home network", 13));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Plain"), "Home network");
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "PLAIN"), "Home network");

    SetRawText(registry, kTestSubKey, "Spaced", "  two  spaces  ");
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Spaced"), "two  spaces");
    SetRawText(registry, kTestSubKey, "Tabbed", " \tkept\t ");
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Tabbed"), "\tkept\t");
    SetRawText(registry, kTestSubKey, "Blank", "    ");
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Blank"), "");

    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Missing"), "");
    EXPECT_EQ(ReadRegistryText(registry, kTestPath + "\\Missing", "Plain"), "");
}

TYPED_TEST_P(RegistryAccessContract, TextLengthLimits) {
    Registry& registry = this->registry();
    const std::string long_text = std::string(2000, 'a') + std::string(1000, 'b');
    WriteRegistryText(registry, kTestPath, "Long", long_text);
    EXPECT_EQ(StoredText(registry, kTestSubKey, "Long"),
              long_text.substr(0, 2046) + std::string(1, '\0'));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Long"), long_text.substr(0, 2046));

    WriteRegistryText(registry, kTestPath, "WithNul", std::string("before\0after", 12));
    EXPECT_EQ(StoredText(registry, kTestSubKey, "WithNul"), std::string("before", 7));

    // Another program's values: 2047 bytes still fit, one more does not; the type is ignored.
    SetRaw(registry, kTestSubKey, "Fits", 3, Bytes(std::string(2047, 'y')));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Fits"), std::string(2047, 'y'));
    SetRaw(registry, kTestSubKey, "TooLong", 3, Bytes(std::string(2048, 'y')));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "TooLong"), "");
    SetRawText(registry, kTestSubKey, "LongText", std::string(3000, 'z'));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "LongText"), "");
}

TYPED_TEST_P(RegistryAccessContract, LongValueNamesAreCut) {
    Registry& registry = this->registry();
    const std::string name = std::string(250, 'n') + "0123456789";

    WriteRegistryText(registry, kTestPath, name, "written");
    EXPECT_EQ(StoredText(registry, kTestSubKey, name.substr(0, 254)), std::string("written", 8));
    EXPECT_EQ(ReadRaw(registry, kTestSubKey, name.substr(0, 255)).status, kErrorFileNotFound);

    SetRawText(registry, kTestSubKey, name.substr(0, 255), "read");
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, name), "read");
}

// Texts that look like the path of HKEY_CURRENT_USER\subKey but are not paths.
inline std::vector<std::string> NotPaths(const std::string& subKey) {
    return {"hkey_current_user\\" + subKey,
            subKey,
            "HKEY_CURRENT_USER\\" + subKey + "\\",
            "HKEY_CURRENT_USERS\\" + subKey,
            "HKEY_\\" + subKey,
            "\\" + subKey};
}

TYPED_TEST_P(RegistryAccessContract, PathsThatAreNotPathsDoNothing) {
    Registry& registry = this->registry();
    SetRawText(registry, kTestSubKey, "Text", "present");
    SetRaw(registry, kTestSubKey, "Number", kRegDword, {7, 0, 0, 0});

    for (const std::string& path : NotPaths(kTestSubKey)) {
        SCOPED_TRACE("path \"" + path + "\"");
        EXPECT_EQ(ReadRegistryText(registry, path, "Text"), "");
        std::uint32_t number = 99;
        ReadRegistryDword(registry, path, "Number", number);
        EXPECT_EQ(number, 99u);
        EXPECT_FALSE(RegistryKeyExists(registry, path));
        EXPECT_FALSE(CreateRegistryKey(registry, path));

        WriteRegistryText(registry, path, "Text", "written");
        WriteRegistryDword(registry, path, "Number", 8);
        DeleteRegistryKey(registry, path);
    }
    EXPECT_EQ(ReadRegistryText(registry, kTestPath, "Text"), "present");
    EXPECT_EQ(ReadRaw(registry, kTestSubKey, "Number").data,
              (std::vector<std::uint8_t>{7, 0, 0, 0}));

    for (const std::string& path : NotPaths(kTestSubKey + "\\Made")) {
        SCOPED_TRACE("path \"" + path + "\"");
        WriteRegistryText(registry, path, "Text", "written");
        EXPECT_FALSE(CreateRegistryKey(registry, path));
    }
    EXPECT_FALSE(Exists(registry, kTestSubKey + "\\Made"));
}

TYPED_TEST_P(RegistryAccessContract, RootNameAloneAddressesTheRootKey) {
    Registry& registry = this->registry();
    EXPECT_TRUE(RegistryKeyExists(registry, "HKEY_CURRENT_USER"));
    EXPECT_TRUE(CreateRegistryKey(registry, "HKEY_CURRENT_USER"));

    WriteRegistryText(registry, "HKEY_CURRENT_USER", kRootValueName, "at the root");
    EXPECT_EQ(StoredText(registry, "", kRootValueName), std::string("at the root", 12));
    EXPECT_EQ(ReadRegistryText(registry, "HKEY_CURRENT_USER", kRootValueName), "at the root");

    DeleteRegistryKey(registry, "HKEY_CURRENT_USER");
    EXPECT_TRUE(RegistryKeyExists(registry, "HKEY_CURRENT_USER\\Software"));
}

TYPED_TEST_P(RegistryAccessContract, TextWritesCreateMissingKeysDwordWritesDoNot) {
    Registry& registry = this->registry();
    WriteRegistryText(registry, kTestPath + "\\A\\B\\C", "Text", "made");
    EXPECT_TRUE(RegistryKeyExists(registry, kTestPath + "\\A\\B"));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath + "\\A\\B\\C", "Text"), "made");

    WriteRegistryDword(registry, kTestPath + "\\D\\E", "Number", 5);
    EXPECT_FALSE(RegistryKeyExists(registry, kTestPath + "\\D"));
    std::uint32_t number = 77;
    ReadRegistryDword(registry, kTestPath + "\\D\\E", "Number", number);
    EXPECT_EQ(number, 77u);
}

TYPED_TEST_P(RegistryAccessContract, DwordValues) {
    Registry& registry = this->registry();
    ASSERT_TRUE(CreateRegistryKey(registry, kTestPath));

    WriteRegistryDword(registry, kTestPath, "Number", 0x12345678);
    const RawValue stored = ReadRaw(registry, kTestSubKey, "Number");
    EXPECT_EQ(stored.type, kRegDword);
    EXPECT_EQ(stored.data, (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12}));
    std::uint32_t number = 0;
    ReadRegistryDword(registry, kTestPath, "NUMBER", number);
    EXPECT_EQ(number, 0x12345678u);

    number = 77;
    ReadRegistryDword(registry, kTestPath, "Missing", number);
    EXPECT_EQ(number, 77u);

    // The type is not checked: data longer than four bytes leaves the variable alone, shorter
    // data lands in its low bytes.
    SetRaw(registry, kTestSubKey, "Eight", 11, {1, 2, 3, 4, 5, 6, 7, 8});
    ReadRegistryDword(registry, kTestPath, "Eight", number);
    EXPECT_EQ(number, 77u);
    SetRawText(registry, kTestSubKey, "Text", "1");
    number = 0;
    ReadRegistryDword(registry, kTestPath, "Text", number);
    EXPECT_EQ(number, static_cast<std::uint32_t>('1'));
}

TYPED_TEST_P(RegistryAccessContract, CreateExistsAndDelete) {
    Registry& registry = this->registry();
    EXPECT_FALSE(RegistryKeyExists(registry, kTestPath + "\\Key"));
    EXPECT_TRUE(CreateRegistryKey(registry, kTestPath + "\\Key\\Child"));
    EXPECT_TRUE(CreateRegistryKey(registry, kTestPath + "\\Key\\Child"));
    EXPECT_TRUE(RegistryKeyExists(registry, kTestPath + "\\key\\CHILD"));
    WriteRegistryText(registry, kTestPath + "\\Key\\Child", "Text", "value");

    // A key that still has subkeys stays.
    DeleteRegistryKey(registry, kTestPath + "\\Key");
    EXPECT_TRUE(RegistryKeyExists(registry, kTestPath + "\\Key\\Child"));

    DeleteRegistryKey(registry, kTestPath + "\\Key\\Child");
    EXPECT_FALSE(RegistryKeyExists(registry, kTestPath + "\\Key\\Child"));
    EXPECT_TRUE(RegistryKeyExists(registry, kTestPath + "\\Key"));
    DeleteRegistryKey(registry, kTestPath + "\\Key\\Child");
    DeleteRegistryKey(registry, kTestPath + "\\Key");
    EXPECT_FALSE(RegistryKeyExists(registry, kTestPath + "\\Key"));

    // A recreated key does not bring back the values of the deleted one.
    EXPECT_TRUE(CreateRegistryKey(registry, kTestPath + "\\Key\\Child"));
    EXPECT_EQ(ReadRegistryText(registry, kTestPath + "\\Key\\Child", "Text"), "");
}

TYPED_TEST_P(RegistryAccessContract, LinesAreAMultiStringOfAtMost8KiB) {
    Registry& registry = this->registry();
    using Lines = std::vector<std::string>;
    WriteRegistryLines(registry, kTestPath + "\\New", "Lines", {"first", "", " second line "});
    const RawValue stored = ReadRaw(registry, kTestSubKey + "\\New", "Lines");
    EXPECT_EQ(stored.type, kRegMultiSz);
    EXPECT_EQ(std::string(stored.data.begin(), stored.data.end()),
              std::string("first\0 second line \0\0", 21));
    EXPECT_EQ(ReadRegistryLines(registry, kTestPath + "\\New", "LINES"),
              (Lines{"first", " second line "}));

    // Lines that would pass the limit are left out from the end; a longer value reads as none.
    const Lines lines(100, std::string(99, 'x'));
    WriteRegistryLines(registry, kTestPath, "Long", lines);
    EXPECT_EQ(ReadRaw(registry, kTestSubKey, "Long").data.size(), 81u * 100 + 1);
    EXPECT_EQ(ReadRegistryLines(registry, kTestPath, "Long"), Lines(81, std::string(99, 'x')));
    SetRaw(registry, kTestSubKey, "TooLong", kRegMultiSz, Bytes(std::string(8193, 'y')));
    EXPECT_EQ(ReadRegistryLines(registry, kTestPath, "TooLong"), Lines{});
    EXPECT_EQ(ReadRegistryLines(registry, kTestPath, "Missing"), Lines{});
}

REGISTER_TYPED_TEST_SUITE_P(RegistryAccessContract, TextRoundTripIsTrimmedOfSpacesOnly,
                            TextLengthLimits, LongValueNamesAreCut, PathsThatAreNotPathsDoNothing,
                            RootNameAloneAddressesTheRootKey,
                            TextWritesCreateMissingKeysDwordWritesDoNot, DwordValues,
                            CreateExistsAndDelete, LinesAreAMultiStringOfAtMost8KiB);

}  // namespace registry_contract
