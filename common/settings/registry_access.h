#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/platform/registry.h"

// Registry access by path: one text made of a root name such as "HKEY_CURRENT_USER", a backslash
// and the subkey path. Every operation fails quietly: empty text, an unchanged variable, false,
// or nothing at all. Every key opened is closed before the operation returns.

// A path split into its predefined key and the subkey path below it ("" for the root itself).
struct RegistryPath {
    RootKey root = RootKey::None;
    std::string subKey;
};

// The predefined key that a root name ("HKEY_CURRENT_USER", ...) stands for, matched exactly;
// RootKey::None for any other text.
RootKey RootKeyFromName(const std::string& rootName);

// Nothing when the text is not a path: it does not begin with "HKEY_", ends with a backslash or
// names no known root.
std::optional<RegistryPath> SplitRegistryPath(const std::string& path);

bool RegistryKeyExists(Registry& registry, const std::string& path);

// True when the key exists afterwards, created now (with every missing key above it) or before.
bool CreateRegistryKey(Registry& registry, const std::string& path);

// Deletes the key with its values; a key that still has subkeys stays.
void DeleteRegistryKey(Registry& registry, const std::string& path);

// The value's text (at most 2047 bytes of data, up to the first NUL) without leading and
// trailing spaces; empty on any failure.
std::string ReadRegistryText(Registry& registry, const std::string& path,
                             const std::string& valueName);

// The text of a value stored as text (REG_SZ or REG_EXPAND_SZ), read as ReadRegistryText reads
// it; nothing when the value is missing, longer than ReadRegistryText takes, or of another type.
// Deployment tools write values of any type, and a number read as bytes is no name.
std::optional<std::string> ReadRegistryStoredText(Registry& registry, const std::string& path,
                                                  const std::string& valueName);

// One value of a key as a listing gives it: its name, its type and, for a value stored as text,
// its text as ReadRegistryStoredText reads it (nothing for any other type or a longer text).
struct RegistryValueListing {
    std::string name;
    std::uint32_t type = 0;
    std::optional<std::string> text;

    friend bool operator==(const RegistryValueListing&, const RegistryValueListing&) = default;
};

// Every value of the key, in the order the registry lists them; none when the key is missing.
std::vector<RegistryValueListing> ReadRegistryValues(Registry& registry, const std::string& path);

// A number as deployment tools store it: REG_DWORD and REG_QWORD as their number (beyond the
// 32-bit range, its nearest end), a text as its leading decimal number. Nothing when the value
// is missing or of any other type.
std::optional<std::int32_t> ReadRegistryNumber(Registry& registry, const std::string& path,
                                               const std::string& valueName);

// Stores the text, up to its first NUL and at most 2046 characters, as REG_SZ. A missing key is
// created once.
void WriteRegistryText(Registry& registry, const std::string& path, const std::string& valueName,
                       const std::string& text);

// Reads up to four bytes of the value into value; value keeps what it held on any failure.
void ReadRegistryDword(Registry& registry, const std::string& path, const std::string& valueName,
                       std::uint32_t& value);

// Stores the value as REG_DWORD; does nothing under a key that does not exist.
void WriteRegistryDword(Registry& registry, const std::string& path, const std::string& valueName,
                        std::uint32_t value);

// A list of lines, stored as REG_MULTI_SZ, takes at most this many bytes with its NULs.
inline constexpr std::uint32_t MaxLinesValueSize = 8192;

// Stores the lines as REG_MULTI_SZ, each up to its first NUL; an empty line cannot be stored
// there and is left out, and lines that would make the value larger than maxSize are left out
// from the end. A missing key is created once. True when the registry took the value.
bool WriteRegistryLines(Registry& registry, const std::string& path, const std::string& valueName,
                        const std::vector<std::string>& lines,
                        std::uint32_t maxSize = MaxLinesValueSize);

// The lines of a value of at most maxSize bytes, cut at each NUL, empty ones left out; no lines
// on any failure.
std::vector<std::string> ReadRegistryLines(Registry& registry, const std::string& path,
                                           const std::string& valueName,
                                           std::uint32_t maxSize = MaxLinesValueSize);

// Lines that may be empty, which a list value cannot hold: each is stored behind a mark, so the
// value takes one byte more per line than WriteRegistryLines would store. Otherwise as
// WriteRegistryLines.
bool WriteRegistryMarkedLines(Registry& registry, const std::string& path,
                              const std::string& valueName, const std::vector<std::string>& lines,
                              std::uint32_t maxSize = MaxLinesValueSize);

// The lines that WriteRegistryMarkedLines stored, without their marks; none when the value is
// missing, and nothing when one of its lines has no mark, so it was not written that way.
std::optional<std::vector<std::string>> ReadRegistryMarkedLines(
    Registry& registry, const std::string& path, const std::string& valueName,
    std::uint32_t maxSize = MaxLinesValueSize);
