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
inline const std::string TestSubKey = "Software\\Lumivo Tests";
inline const std::string TestPath = "HKEY_CURRENT_USER\\" + TestSubKey;

// The value a test may write into HKEY_CURRENT_USER itself.
inline const std::string RootValueName = "Lumivo Test Value";

inline std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// A text as the stored bytes of a REG_SZ hold it.
inline std::string Sz(const std::string& text) {
    return text + std::string(1, '\0');
}

// Opens HKEY_CURRENT_USER\subKey with the given rights; an empty owner when that fails.
inline RegistryKey Open(Registry& registry, const std::string& subKey, std::uint32_t access) {
    RegistryHandle handle = 0;
    if (registry.OpenKey(RootKey::CurrentUser, subKey, access, handle) != ErrorSuccess) {
        return RegistryKey();
    }
    return OwnedKey(registry, handle);
}

inline RegistryKey Create(Registry& registry, const std::string& subKey) {
    RegistryHandle handle = 0;
    EXPECT_EQ(registry.CreateKey(RootKey::CurrentUser, subKey, handle), ErrorSuccess) << subKey;
    return OwnedKey(registry, handle);
}

inline bool Exists(Registry& registry, const std::string& subKey) {
    return static_cast<bool>(Open(registry, subKey, KeyRead));
}

// Stores a value as another program would, with exactly these bytes and this type.
inline void SetRaw(Registry& registry, const std::string& subKey, const std::string& valueName,
                   std::uint32_t type, const std::vector<std::uint8_t>& data) {
    const RegistryKey key = Create(registry, subKey);
    ASSERT_EQ(registry.SetValue(key.get(), valueName, type, data.data(),
                                static_cast<std::uint32_t>(data.size())),
              ErrorSuccess);
}

// A REG_SZ as another program would store it, with its terminating NUL.
inline void SetRawText(Registry& registry, const std::string& subKey, const std::string& valueName,
                       const std::string& text) {
    std::vector<std::uint8_t> data = Bytes(text);
    data.push_back(0);
    SetRaw(registry, subKey, valueName, RegSz, data);
}

struct RawValue {
    RegistryStatus status = ErrorSuccess;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

// The value's type and bytes as stored, or the status of the open or query that failed.
inline RawValue ReadRaw(Registry& registry, const std::string& subKey,
                        const std::string& valueName) {
    RawValue value;
    const RegistryKey key = Open(registry, subKey, KeyRead);
    if (!key) {
        value.status = ErrorFileNotFound;
        return value;
    }
    std::uint32_t size = 0;
    value.status = registry.QueryValue(key.get(), valueName, &value.type, nullptr, &size);
    if (value.status == ErrorSuccess) {
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
    EXPECT_EQ(value.status, ErrorSuccess) << subKey << " : " << valueName;
    EXPECT_EQ(value.type, RegSz) << subKey << " : " << valueName;
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
    SetRawText(registry, TestSubKey + "\\Mixed Case", "Value Name", "stored");

    const RegistryKey key = Open(registry, "SOFTWARE\\lumivo tests\\mIXED cASE", KeyRead);
    ASSERT_TRUE(key);
    std::uint8_t data[16] = {};
    std::uint32_t size = sizeof data;
    ASSERT_EQ(registry.QueryValue(key.get(), "VALUE NAME", nullptr, data, &size), ErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data)), "stored");

    SetRawText(registry, TestSubKey + "\\MIXED CASE", "value name", "replaced");
    EXPECT_EQ(StoredText(registry, TestSubKey + "\\Mixed Case", "Value Name"),
              std::string("replaced", 9));
}

TYPED_TEST_P(RegistrySeamContract, MissingKeysAndValuesAreNotFound) {
    Registry& registry = this->registry();
    const RegistryKey test = Create(registry, TestSubKey);
    RegistryHandle handle = 0;
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, TestSubKey + "\\Missing", KeyRead, handle),
              ErrorFileNotFound);
    EXPECT_EQ(
        registry.OpenKey(RootKey::CurrentUser, TestSubKey + "\\Missing\\Deeper", KeyWrite, handle),
        ErrorFileNotFound);
    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, TestSubKey + "\\Missing"),
              ErrorFileNotFound);

    std::uint8_t data[4] = {};
    std::uint32_t size = sizeof data;
    EXPECT_EQ(registry.QueryValue(test.get(), "Missing", nullptr, data, &size), ErrorFileNotFound);
}

TYPED_TEST_P(RegistrySeamContract, QueryWithTooLittleRoomFillsNothing) {
    Registry& registry = this->registry();
    SetRawText(registry, TestSubKey, "Text", "abcdef");
    const RegistryKey key = Open(registry, TestSubKey, KeyRead);
    ASSERT_TRUE(key);

    std::uint8_t data[8] = {'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z', 'Z'};
    std::uint32_t type = 0;
    std::uint32_t size = 3;
    EXPECT_EQ(registry.QueryValue(key.get(), "Text", &type, data, &size), ErrorMoreData);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(type, RegSz);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), sizeof data), "ZZZZZZZZ");

    size = 0;
    EXPECT_EQ(registry.QueryValue(key.get(), "Text", nullptr, nullptr, &size), ErrorSuccess);
    EXPECT_EQ(size, 7u);

    size = 7;
    EXPECT_EQ(registry.QueryValue(key.get(), "Text", nullptr, data, &size), ErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data)), "abcdef");
}

TYPED_TEST_P(RegistrySeamContract, KeyWithSubkeysCannotBeDeleted) {
    Registry& registry = this->registry();
    Create(registry, TestSubKey + "\\Parent\\Child");

    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, TestSubKey + "\\Parent"), ErrorAccessDenied);
    EXPECT_TRUE(Exists(registry, TestSubKey + "\\Parent\\Child"));

    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, TestSubKey + "\\parent\\child"),
              ErrorSuccess);
    EXPECT_EQ(registry.DeleteKey(RootKey::CurrentUser, TestSubKey + "\\Parent"), ErrorSuccess);
    EXPECT_FALSE(Exists(registry, TestSubKey + "\\Parent"));
}

TYPED_TEST_P(RegistrySeamContract, RightsOfTheOpenKeyAreEnforced) {
    Registry& registry = this->registry();
    SetRawText(registry, TestSubKey, "Text", "abc");
    const std::vector<std::uint8_t> data = Bytes(std::string("new", 4));

    const RegistryKey reader = Open(registry, TestSubKey, KeyRead);
    ASSERT_TRUE(reader);
    EXPECT_EQ(registry.SetValue(reader.get(), "Text", RegSz, data.data(), 4), ErrorAccessDenied);

    const RegistryKey writer = Open(registry, TestSubKey, KeyWrite);
    ASSERT_TRUE(writer);
    std::uint8_t buffer[8] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(writer.get(), "Text", nullptr, buffer, &size), ErrorAccessDenied);
    EXPECT_EQ(registry.SetValue(writer.get(), "Text", RegSz, data.data(), 4), ErrorSuccess);

    const RegistryKey created = Create(registry, TestSubKey);
    size = sizeof buffer;
    EXPECT_EQ(registry.QueryValue(created.get(), "Text", nullptr, buffer, &size), ErrorSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer)), "new");
}

TYPED_TEST_P(RegistrySeamContract, HandleOfADeletedKeyStoresNothing) {
    Registry& registry = this->registry();
    Create(registry, TestSubKey + "\\Doomed");
    const RegistryKey writer = Open(registry, TestSubKey + "\\Doomed", KeyWrite);
    ASSERT_TRUE(writer);
    ASSERT_EQ(registry.DeleteKey(RootKey::CurrentUser, TestSubKey + "\\Doomed"), ErrorSuccess);

    const std::vector<std::uint8_t> data = Bytes(std::string("x", 2));
    EXPECT_EQ(registry.SetValue(writer.get(), "Text", RegSz, data.data(), 2), ErrorKeyDeleted);
    EXPECT_FALSE(Exists(registry, TestSubKey + "\\Doomed"));
}

TYPED_TEST_P(RegistrySeamContract, BackslashesInSubkeyPaths) {
    Registry& registry = this->registry();
    RegistryHandle handle = 0;
    EXPECT_EQ(registry.CreateKey(RootKey::CurrentUser, "\\" + TestSubKey, handle),
              ErrorBadPathname);
    EXPECT_EQ(registry.OpenKey(RootKey::CurrentUser, "\\Software", KeyRead, handle),
              ErrorBadPathname);

    // Repeated and trailing separators name the same key as single ones.
    Create(registry, TestSubKey + "\\\\Doubled\\");
    EXPECT_TRUE(Exists(registry, TestSubKey + "\\Doubled"));
    EXPECT_TRUE(Exists(registry, TestSubKey + "\\\\Doubled\\"));
}

TYPED_TEST_P(RegistrySeamContract, CreateOpensExistingKeysAndMakesMissingOnes) {
    Registry& registry = this->registry();
    SetRawText(registry, TestSubKey + "\\A", "Kept", "yes");

    Create(registry, TestSubKey + "\\A\\B\\C");
    EXPECT_TRUE(Exists(registry, TestSubKey + "\\A\\B"));
    EXPECT_TRUE(Exists(registry, TestSubKey + "\\A\\B\\C"));
    Create(registry, TestSubKey + "\\A");
    EXPECT_EQ(StoredText(registry, TestSubKey + "\\A", "Kept"), std::string("yes", 4));

    // The empty subkey path stands for the root itself.
    const RegistryKey root = Open(registry, "", KeyRead);
    EXPECT_TRUE(root);
    Create(registry, "");
}

// Windows lists a key's values in the order they were first stored, Wine by name: the values here
// are stored in the order of their names.
TYPED_TEST_P(RegistrySeamContract, ValuesAreEnumeratedOneByOne) {
    Registry& registry = this->registry();
    SetRawText(registry, TestSubKey, "Alpha", "b");
    SetRaw(registry, TestSubKey, "Number", RegDword, {7, 0, 0, 0});
    SetRawText(registry, TestSubKey, "ALPHA", "again");
    const RegistryKey key = Open(registry, TestSubKey, KeyRead);
    char name[8] = {};
    std::uint32_t nameSize = sizeof name;
    std::uint32_t type = 0;
    std::uint8_t data[8] = {};
    std::uint32_t size = sizeof data;
    ASSERT_EQ(registry.EnumValue(key.get(), 0, name, &nameSize, &type, data, &size), ErrorSuccess);
    EXPECT_EQ(std::string(name) + " " + std::to_string(nameSize), "Alpha 5");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), size), Sz("again"));
    nameSize = sizeof name;
    ASSERT_EQ(registry.EnumValue(key.get(), 1, name, &nameSize, &type, nullptr, nullptr),
              ErrorSuccess);
    EXPECT_EQ(std::string(name) + " " + std::to_string(type), "Number 4");
    EXPECT_EQ(registry.EnumValue(key.get(), 2, name, &nameSize, nullptr, nullptr, nullptr),
              ErrorNoMoreItems);
    nameSize = sizeof name;
    size = 2;
    EXPECT_EQ(registry.EnumValue(key.get(), 0, name, &nameSize, nullptr, data, &size),
              ErrorMoreData);
    EXPECT_EQ(size, 6u);
}

REGISTER_TYPED_TEST_SUITE_P(RegistrySeamContract, KeyAndValueNamesIgnoreCase,
                            MissingKeysAndValuesAreNotFound, QueryWithTooLittleRoomFillsNothing,
                            KeyWithSubkeysCannotBeDeleted, RightsOfTheOpenKeyAreEnforced,
                            HandleOfADeletedKeyStoresNothing, BackslashesInSubkeyPaths,
                            CreateOpensExistingKeysAndMakesMissingOnes,
                            ValuesAreEnumeratedOneByOne);

TYPED_TEST_P(RegistryAccessContract, TextRoundTripIsTrimmedOfSpacesOnly) {
    Registry& registry = this->registry();
    WriteRegistryText(registry, TestPath, "Plain", "Home network");
    EXPECT_EQ(StoredText(registry, TestSubKey, "Plain"), std::string("Home network", 13));
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Plain"), "Home network");
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "PLAIN"), "Home network");

    SetRawText(registry, TestSubKey, "Spaced", "  two  spaces  ");
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Spaced"), "two  spaces");
    SetRawText(registry, TestSubKey, "Tabbed", " \tkept\t ");
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Tabbed"), "\tkept\t");
    SetRawText(registry, TestSubKey, "Blank", "    ");
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Blank"), "");

    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Missing"), "");
    EXPECT_EQ(ReadRegistryText(registry, TestPath + "\\Missing", "Plain"), "");
}

TYPED_TEST_P(RegistryAccessContract, TextLengthLimits) {
    Registry& registry = this->registry();
    const std::string long_text = std::string(2000, 'a') + std::string(1000, 'b');
    WriteRegistryText(registry, TestPath, "Long", long_text);
    EXPECT_EQ(StoredText(registry, TestSubKey, "Long"),
              long_text.substr(0, 2046) + std::string(1, '\0'));
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Long"), long_text.substr(0, 2046));

    WriteRegistryText(registry, TestPath, "WithNul", std::string("before\0after", 12));
    EXPECT_EQ(StoredText(registry, TestSubKey, "WithNul"), std::string("before", 7));

    // Another program's values: 2047 bytes still fit, one more does not; the type is ignored.
    SetRaw(registry, TestSubKey, "Fits", 3, Bytes(std::string(2047, 'y')));
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Fits"), std::string(2047, 'y'));
    SetRaw(registry, TestSubKey, "TooLong", 3, Bytes(std::string(2048, 'y')));
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "TooLong"), "");
    SetRawText(registry, TestSubKey, "LongText", std::string(3000, 'z'));
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "LongText"), "");
}

TYPED_TEST_P(RegistryAccessContract, LongValueNamesAreCut) {
    Registry& registry = this->registry();
    const std::string name = std::string(250, 'n') + "0123456789";

    WriteRegistryText(registry, TestPath, name, "written");
    EXPECT_EQ(StoredText(registry, TestSubKey, name.substr(0, 254)), std::string("written", 8));
    EXPECT_EQ(ReadRaw(registry, TestSubKey, name.substr(0, 255)).status, ErrorFileNotFound);

    SetRawText(registry, TestSubKey, name.substr(0, 255), "read");
    EXPECT_EQ(ReadRegistryText(registry, TestPath, name), "read");
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
    SetRawText(registry, TestSubKey, "Text", "present");
    SetRaw(registry, TestSubKey, "Number", RegDword, {7, 0, 0, 0});

    for (const std::string& path : NotPaths(TestSubKey)) {
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
    EXPECT_EQ(ReadRegistryText(registry, TestPath, "Text"), "present");
    EXPECT_EQ(ReadRaw(registry, TestSubKey, "Number").data,
              (std::vector<std::uint8_t>{7, 0, 0, 0}));

    for (const std::string& path : NotPaths(TestSubKey + "\\Made")) {
        SCOPED_TRACE("path \"" + path + "\"");
        WriteRegistryText(registry, path, "Text", "written");
        EXPECT_FALSE(CreateRegistryKey(registry, path));
    }
    EXPECT_FALSE(Exists(registry, TestSubKey + "\\Made"));
}

TYPED_TEST_P(RegistryAccessContract, RootNameAloneAddressesTheRootKey) {
    Registry& registry = this->registry();
    EXPECT_TRUE(RegistryKeyExists(registry, "HKEY_CURRENT_USER"));
    EXPECT_TRUE(CreateRegistryKey(registry, "HKEY_CURRENT_USER"));

    WriteRegistryText(registry, "HKEY_CURRENT_USER", RootValueName, "at the root");
    EXPECT_EQ(StoredText(registry, "", RootValueName), std::string("at the root", 12));
    EXPECT_EQ(ReadRegistryText(registry, "HKEY_CURRENT_USER", RootValueName), "at the root");

    DeleteRegistryKey(registry, "HKEY_CURRENT_USER");
    EXPECT_TRUE(RegistryKeyExists(registry, "HKEY_CURRENT_USER\\Software"));
}

TYPED_TEST_P(RegistryAccessContract, TextWritesCreateMissingKeysDwordWritesDoNot) {
    Registry& registry = this->registry();
    WriteRegistryText(registry, TestPath + "\\A\\B\\C", "Text", "made");
    EXPECT_TRUE(RegistryKeyExists(registry, TestPath + "\\A\\B"));
    EXPECT_EQ(ReadRegistryText(registry, TestPath + "\\A\\B\\C", "Text"), "made");

    WriteRegistryDword(registry, TestPath + "\\D\\E", "Number", 5);
    EXPECT_FALSE(RegistryKeyExists(registry, TestPath + "\\D"));
    std::uint32_t number = 77;
    ReadRegistryDword(registry, TestPath + "\\D\\E", "Number", number);
    EXPECT_EQ(number, 77u);
}

TYPED_TEST_P(RegistryAccessContract, DwordValues) {
    Registry& registry = this->registry();
    ASSERT_TRUE(CreateRegistryKey(registry, TestPath));

    WriteRegistryDword(registry, TestPath, "Number", 0x12345678);
    const RawValue stored = ReadRaw(registry, TestSubKey, "Number");
    EXPECT_EQ(stored.type, RegDword);
    EXPECT_EQ(stored.data, (std::vector<std::uint8_t>{0x78, 0x56, 0x34, 0x12}));
    std::uint32_t number = 0;
    ReadRegistryDword(registry, TestPath, "NUMBER", number);
    EXPECT_EQ(number, 0x12345678u);

    number = 77;
    ReadRegistryDword(registry, TestPath, "Missing", number);
    EXPECT_EQ(number, 77u);

    // The type is not checked: data longer than four bytes leaves the variable alone, shorter
    // data lands in its low bytes.
    SetRaw(registry, TestSubKey, "Eight", 11, {1, 2, 3, 4, 5, 6, 7, 8});
    ReadRegistryDword(registry, TestPath, "Eight", number);
    EXPECT_EQ(number, 77u);
    SetRawText(registry, TestSubKey, "Text", "1");
    number = 0;
    ReadRegistryDword(registry, TestPath, "Text", number);
    EXPECT_EQ(number, static_cast<std::uint32_t>('1'));
}

TYPED_TEST_P(RegistryAccessContract, CreateExistsAndDelete) {
    Registry& registry = this->registry();
    EXPECT_FALSE(RegistryKeyExists(registry, TestPath + "\\Key"));
    EXPECT_TRUE(CreateRegistryKey(registry, TestPath + "\\Key\\Child"));
    EXPECT_TRUE(CreateRegistryKey(registry, TestPath + "\\Key\\Child"));
    EXPECT_TRUE(RegistryKeyExists(registry, TestPath + "\\key\\CHILD"));
    WriteRegistryText(registry, TestPath + "\\Key\\Child", "Text", "value");

    // A key that still has subkeys stays.
    DeleteRegistryKey(registry, TestPath + "\\Key");
    EXPECT_TRUE(RegistryKeyExists(registry, TestPath + "\\Key\\Child"));

    DeleteRegistryKey(registry, TestPath + "\\Key\\Child");
    EXPECT_FALSE(RegistryKeyExists(registry, TestPath + "\\Key\\Child"));
    EXPECT_TRUE(RegistryKeyExists(registry, TestPath + "\\Key"));
    DeleteRegistryKey(registry, TestPath + "\\Key\\Child");
    DeleteRegistryKey(registry, TestPath + "\\Key");
    EXPECT_FALSE(RegistryKeyExists(registry, TestPath + "\\Key"));

    // A recreated key does not bring back the values of the deleted one.
    EXPECT_TRUE(CreateRegistryKey(registry, TestPath + "\\Key\\Child"));
    EXPECT_EQ(ReadRegistryText(registry, TestPath + "\\Key\\Child", "Text"), "");
}

TYPED_TEST_P(RegistryAccessContract, LinesAreAMultiStringOfAtMost8KiB) {
    Registry& registry = this->registry();
    using Lines = std::vector<std::string>;
    WriteRegistryLines(registry, TestPath + "\\New", "Lines", {"first", "", " second line "});
    const RawValue stored = ReadRaw(registry, TestSubKey + "\\New", "Lines");
    EXPECT_EQ(stored.type, RegMultiSz);
    EXPECT_EQ(std::string(stored.data.begin(), stored.data.end()),
              std::string("first\0 second line \0\0", 21));
    EXPECT_EQ(ReadRegistryLines(registry, TestPath + "\\New", "LINES"),
              (Lines{"first", " second line "}));

    // Lines that would pass the limit are left out from the end; a longer value reads as none.
    const Lines lines(100, std::string(99, 'x'));
    WriteRegistryLines(registry, TestPath, "Long", lines);
    EXPECT_EQ(ReadRaw(registry, TestSubKey, "Long").data.size(), 81u * 100 + 1);
    EXPECT_EQ(ReadRegistryLines(registry, TestPath, "Long"), Lines(81, std::string(99, 'x')));
    SetRaw(registry, TestSubKey, "TooLong", RegMultiSz, Bytes(std::string(8193, 'y')));
    EXPECT_EQ(ReadRegistryLines(registry, TestPath, "TooLong"), Lines{});
    EXPECT_EQ(ReadRegistryLines(registry, TestPath, "Missing"), Lines{});
}

TYPED_TEST_P(RegistryAccessContract, ValuesAreListedWithTheirTypesAndTexts) {
    Registry& registry = this->registry();
    EXPECT_TRUE(ReadRegistryValues(registry, TestPath).empty());
    SetRaw(registry, TestSubKey, "", RegExpandSz, Bytes(Sz("default")));
    SetRawText(registry, TestSubKey, "Long", std::string(3000, 'z'));
    SetRaw(registry, TestSubKey, "Number", RegDword, {1, 0, 0, 0});
    SetRawText(registry, TestSubKey, "Office", "  Laser ");
    EXPECT_EQ(ReadRegistryValues(registry, TestPath),
              (std::vector<RegistryValueListing>{{"", RegExpandSz, "default"},
                                                 {"Long", RegSz, std::nullopt},
                                                 {"Number", RegDword, std::nullopt},
                                                 {"Office", RegSz, "Laser"}}));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryAccessContract, TextRoundTripIsTrimmedOfSpacesOnly,
                            TextLengthLimits, LongValueNamesAreCut, PathsThatAreNotPathsDoNothing,
                            RootNameAloneAddressesTheRootKey,
                            TextWritesCreateMissingKeysDwordWritesDoNot, DwordValues,
                            CreateExistsAndDelete, LinesAreAMultiStringOfAtMost8KiB,
                            ValuesAreListedWithTheirTypesAndTexts);

}  // namespace registry_contract
