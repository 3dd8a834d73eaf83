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
// there and is left out, and lines that would make the value larger than MaxLinesValueSize are
// left out from the end. A missing key is created once.
void WriteRegistryLines(Registry& registry, const std::string& path, const std::string& valueName,
                        const std::vector<std::string>& lines);

// The lines of a value of at most MaxLinesValueSize bytes, cut at each NUL, empty ones left out;
// no lines on any failure.
std::vector<std::string> ReadRegistryLines(Registry& registry, const std::string& path,
                                           const std::string& valueName);
