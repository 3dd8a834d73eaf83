#pragma once

#include <cstdint>
#include <string>

#include "common/platform/unique_owner.h"

// The registry calls the programs make, in the shape of their A forms: names and texts pass as
// ANSI bytes, and every call answers with the Win32 error code of the real call.

using RegistryStatus = std::int32_t;

inline constexpr RegistryStatus ErrorSuccess = 0;
inline constexpr RegistryStatus ErrorFileNotFound = 2;
inline constexpr RegistryStatus ErrorAccessDenied = 5;
inline constexpr RegistryStatus ErrorInvalidHandle = 6;
inline constexpr RegistryStatus ErrorInvalidParameter = 87;
inline constexpr RegistryStatus ErrorBadPathname = 161;
inline constexpr RegistryStatus ErrorMoreData = 234;
inline constexpr RegistryStatus ErrorNoMoreItems = 259;
inline constexpr RegistryStatus ErrorBadKey = 1010;
inline constexpr RegistryStatus ErrorKeyDeleted = 1018;

// Access rights for opening a key.
inline constexpr std::uint32_t KeyRead = 0x20019;
inline constexpr std::uint32_t KeyWrite = 0x20006;

// Registry value types.
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegExpandSz = 2;
inline constexpr std::uint32_t RegBinary = 3;
inline constexpr std::uint32_t RegDword = 4;
inline constexpr std::uint32_t RegMultiSz = 7;
inline constexpr std::uint32_t RegQword = 11;

// The predefined keys, with the values Windows gives their handles. None stands for "no key".
enum class RootKey : std::uint32_t {
    None = 0,
    ClassesRoot = 0x80000000,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
    Users = 0x80000003,
    PerformanceData = 0x80000004,
    CurrentConfig = 0x80000005,
    DynData = 0x80000006,
};

// An open key as the registry hands it out (an HKEY on Windows).
using RegistryHandle = std::uintptr_t;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: opens root\subKey with the given rights; "" opens the root itself.
    virtual RegistryStatus OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                                   RegistryHandle& key) = 0;

    // RegCreateKeyA: opens root\subKey, creating it and every missing key above it first.
    virtual RegistryStatus CreateKey(RootKey root, const std::string& subKey,
                                     RegistryHandle& key) = 0;

    // RegQueryValueExA: on entry size is the room at data; on return the size of the value's
    // data. A null data asks for the size only; too little room gives ErrorMoreData and leaves
    // data untouched. type may be null.
    virtual RegistryStatus QueryValue(RegistryHandle key, const std::string& valueName,
                                      std::uint32_t* type, std::uint8_t* data,
                                      std::uint32_t* size) = 0;

    // RegSetValueExA: stores size bytes of data under the value name with the given type.
    virtual RegistryStatus SetValue(RegistryHandle key, const std::string& valueName,
                                    std::uint32_t type, const std::uint8_t* data,
                                    std::uint32_t size) = 0;

    // RegEnumValueA: the value at index (0 for the first) of the key. On entry nameSize is the
    // room at name in characters, its NUL included; on return the name's length without it. Type
    // and data as QueryValue gives them; data and dataSize may both be null, and so may type.
    // Too little room for the name or the data gives ErrorMoreData; past the last value,
    // ErrorNoMoreItems.
    virtual RegistryStatus EnumValue(RegistryHandle key, std::uint32_t index, char* name,
                                     std::uint32_t* nameSize, std::uint32_t* type,
                                     std::uint8_t* data, std::uint32_t* dataSize) = 0;

    // RegDeleteKeyA: deletes root\subKey with its values; a key with subkeys stays.
    virtual RegistryStatus DeleteKey(RootKey root, const std::string& subKey) = 0;

    // RegCloseKey.
    virtual RegistryStatus CloseKey(RegistryHandle key) = 0;
};

// Owns one open key and closes it through its registry when it goes.
struct RegistryKeyCloser {
    using pointer = NumberHandle<RegistryHandle>;
    Registry* registry = nullptr;
    void operator()(RegistryHandle key) const { registry->CloseKey(key); }
};
using RegistryKey = UniqueOwner<RegistryKeyCloser>;

inline RegistryKey OwnedKey(Registry& registry, RegistryHandle key) {
    return RegistryKey(key, RegistryKeyCloser{&registry});
}
