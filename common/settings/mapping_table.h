#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform/clock.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"

// The mapping table: entries numbered 1 to N without gaps, entry n stored in the subkey "n" of
// the settings key, N stored as the text of "NumberofNetworks".
//
// Several programs change it (the Console, the tray program's learning) and several Consoles may
// run at once, so every change is one unit under the named mutex "LMV-Table": it reads the stored
// table inside the lock and acts on rows by their names, never by a position taken from a list
// that may be stale. A change writes the whole table that results first as one value,
// "TableChange", then into the numbered subkeys, and empties that value last. A program stopped
// at any point leaves either the table before (nothing written yet) or the value holding the
// table after, which readers take as the table and the next change finishes storing.

struct MappingEntry {
    std::string networkName;
    std::string printerName;

    friend bool operator==(const MappingEntry&, const MappingEntry&) = default;
};

// The path of entry n's subkey.
std::string MappingKeyPath(std::int64_t n);

// The table holds at most this many entries; a larger stored count reads as this one.
inline constexpr int MaxMappingCount = 1000;

// N, within 0..MaxMappingCount: the number of a text or of a REG_DWORD or REG_QWORD, as
// deployment tools store it; 0 when the settings key or its count is missing or of another type.
int ReadMappingCount(Registry& registry);

// Entry n as stored, without a range check: a missing subkey gives two empty names, and so does
// a name that is not stored as text.
MappingEntry ReadMapping(Registry& registry, int n);

// The number of the first stored entry whose network name equals the given one (spaces around
// either do not count, case does), or 0.
int FindMappingByNetwork(Registry& registry, const std::string& networkName);

// Appends entry N+1 directly, without the lock, as a deployment script would; it does not look
// for an entry of the same network. A full table takes no more.
void AddMapping(Registry& registry, const std::string& networkName, const std::string& printerName);

// Changes the printer of entry n directly, without the lock (creating its subkey if need be);
// nothing for n below 1.
void SetMappingPrinter(Registry& registry, int n, const std::string& printerName);

// The table as one whole, read under the lock: a change that was stopped half-way counts as
// done, entries whose subkey is missing are left out, and an entry stored again further down
// (the same two names) counts only there, where it decides which printer wins.
std::vector<MappingEntry> ReadMappingTable(Registry& registry, Processes& processes);

enum class TableChange {
    Stored,      // the table holds the change
    RowChanged,  // the row is no longer stored as it was shown: nothing was changed
    TableFull,   // the table holds MaxMappingCount entries already
    Busy,        // another program kept the table locked for too long
    Refused,     // the registry did not take the change
};

// "Add" of the Console and the tray program's learning: every entry of that network (spaces
// around the names aside, letter case counting) gets the printer, or a new entry is appended.
// Nothing is validated; empty names are stored too.
TableChange AddOrReplaceMapping(Registry& registry, Processes& processes,
                                const std::string& networkName, const std::string& printerName);

// "Remove" of the row that showed these names: the entries above it move down one place. Pauses
// 250 ms afterwards.
TableChange RemoveMapping(Registry& registry, Processes& processes, Clock& clock,
                          const MappingEntry& shown);
