#pragma once

#include <cstdint>
#include <string>

#include "common/platform/clock.h"
#include "common/platform/registry.h"

// The mapping table: entries numbered 1 to N without gaps, entry n stored in the subkey "n" of
// the settings key, N stored as the text of "NumberofNetworks".

struct MappingEntry {
    std::string networkName;
    std::string printerName;

    friend bool operator==(const MappingEntry&, const MappingEntry&) = default;
};

// The path of entry n's subkey.
std::string MappingKeyPath(std::int64_t n);

// The table holds at most this many entries; a larger stored count reads as this one.
inline constexpr int MaxMappingCount = 1000;

// N, within 0..MaxMappingCount; 0 when the settings key or its count is missing.
int ReadMappingCount(Registry& registry);

// Entry n, without a range check: a missing subkey gives two empty names.
MappingEntry ReadMapping(Registry& registry, int n);

// The number of the first entry whose network name equals the given one (spaces around either
// do not count, case does), or 0.
int FindMappingByNetwork(Registry& registry, const std::string& networkName);

// Appends entry N+1; it does not look for an entry of the same network. A full table takes no
// more.
void AddMapping(Registry& registry, const std::string& networkName, const std::string& printerName);

// Changes the printer of entry n (creating its subkey if need be); nothing for n below 1.
void SetMappingPrinter(Registry& registry, int n, const std::string& printerName);

// "Add" of the Console: the entry of that network (spaces around the names aside, letter case
// counting) gets the printer, or a new entry is appended. Nothing is validated; empty names are
// stored too.
void AddOrReplaceMapping(Registry& registry, const std::string& networkName,
                         const std::string& printerName);

// Removes entry n (1 <= n <= N), moves the entries above it down one place, stores the smaller
// count and then pauses 250 ms. When entry n's subkey cannot be deleted, nothing changes.
void RemoveMapping(Registry& registry, Clock& clock, int n);
