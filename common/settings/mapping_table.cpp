#include "common/settings/mapping_table.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <utility>

#include "common/settings/decimal_text.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

namespace {

constexpr std::uint32_t PauseAfterRemovalMs = 250;

constexpr const char* TableMutexName = "LMV-Table";
// A change holds the lock for a few registry calls per entry; one that waits longer than this
// finds a program that hangs, and refuses rather than waiting on.
constexpr std::uint32_t TableLockPatience = 5000;

// The whole table in one value: room for a thousand entries with long names.
constexpr std::uint32_t MaxTableChangeSize = 1024 * 1024;

// Holds the table's mutex for as long as it lives. A holder that was stopped leaves the mutex
// abandoned, which hands it on: the table it left is repaired by the next change.
class TableLock {
public:
    explicit TableLock(Processes& processes) : processes_(processes) {
        const std::uint32_t wait = processes.CreateMutexAndWait(TableMutexName, TableLockPatience);
        held_ = wait == WaitObject0 || wait == WaitAbandoned;
    }
    ~TableLock() { processes_.ReleaseMutex(TableMutexName); }
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool Held() const { return held_; }

private:
    Processes& processes_;
    bool held_ = false;
};

MappingEntry Trimmed(const MappingEntry& entry) {
    return {TrimSpaces(entry.networkName), TrimSpaces(entry.printerName)};
}

// The count first, then each entry's two names (a name may be empty).
std::vector<std::string> TableChangeLines(const std::vector<MappingEntry>& table) {
    std::vector<std::string> lines{DecimalText(static_cast<std::int64_t>(table.size()))};
    for (const MappingEntry& entry : table) {
        lines.push_back(entry.networkName);
        lines.push_back(entry.printerName);
    }
    return lines;
}

// What WriteRegistryMarkedLines stores for the lines: each with its mark and NUL, and the NUL
// that ends the list.
std::uint32_t StoredSize(const std::vector<std::string>& lines) {
    std::size_t size = 1;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    return static_cast<std::uint32_t>(std::min<std::size_t>(size, MaxTableChangeSize + 1));
}

// The table of a change that has not been stored in the subkeys yet; nothing when there is
// none, or when the value is not one that a change wrote.
std::optional<std::vector<MappingEntry>> PendingTable(Registry& registry) {
    const std::optional<std::vector<std::string>> lines = ReadRegistryMarkedLines(
        registry, SettingsKeyPath, TableChangeValueName, MaxTableChangeSize);
    if (!lines || lines->empty()) {
        return std::nullopt;
    }
    const std::int64_t count = LeadingDecimalNumber(lines->front());
    if (count < 0 || count > MaxMappingCount ||
        lines->size() != static_cast<std::size_t>(1 + 2 * count)) {
        return std::nullopt;
    }
    std::vector<MappingEntry> table;
    for (std::size_t i = 1; i < lines->size(); i += 2) {
        table.push_back(Trimmed(MappingEntry{(*lines)[i], (*lines)[i + 1]}));
    }
    return table;
}

// An entry that stands again further down decides nothing where it stands first: the later one
// is applied after it. Such pairs are left by a removal that was stopped while it moved entries.
std::vector<MappingEntry> WithoutEarlierRepeats(const std::vector<MappingEntry>& rows) {
    std::vector<MappingEntry> kept;
    std::set<std::pair<std::string, std::string>> later;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (later.emplace(row->networkName, row->printerName).second) {
            kept.push_back(*row);
        }
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

// The table as every reader is to see it; the caller holds the lock.
std::vector<MappingEntry> StoredTable(Registry& registry) {
    if (std::optional<std::vector<MappingEntry>> pending = PendingTable(registry)) {
        return *pending;
    }
    std::vector<MappingEntry> rows;
    const int count = ReadMappingCount(registry);
    for (int n = 1; n <= count; ++n) {
        if (RegistryKeyExists(registry, MappingKeyPath(n))) {
            rows.push_back(ReadMapping(registry, n));
        }
    }
    return WithoutEarlierRepeats(rows);
}

void StoreEntry(Registry& registry, int n, const MappingEntry& entry) {
    const std::string path = MappingKeyPath(n);
    CreateRegistryKey(registry, path);
    WriteRegistryText(registry, path, NetworkNameValueName, entry.networkName);
    WriteRegistryText(registry, path, PrinterNameValueName, entry.printerName);
}

// Writes into the numbered subkeys the entries that differ from the table, then the count, and
// deletes the subkeys that the table no longer reaches.
void StoreEntries(Registry& registry, const std::vector<MappingEntry>& table, int storedCount) {
    const int count = static_cast<int>(table.size());
    for (int n = 1; n <= count; ++n) {
        const MappingEntry& entry = table[static_cast<std::size_t>(n - 1)];
        if (!RegistryKeyExists(registry, MappingKeyPath(n)) ||
            ReadMapping(registry, n) != Trimmed(entry)) {
            StoreEntry(registry, n, entry);
        }
    }
    WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, DecimalText(count));
    for (int n = count + 1; n <= storedCount; ++n) {
        DeleteRegistryKey(registry, MappingKeyPath(n));
    }
}

bool StoredEntriesAre(Registry& registry, const std::vector<MappingEntry>& table) {
    if (ReadMappingCount(registry) != static_cast<int>(table.size())) {
        return false;
    }
    for (std::size_t n = 1; n <= table.size(); ++n) {
        if (!RegistryKeyExists(registry, MappingKeyPath(static_cast<std::int64_t>(n))) ||
            ReadMapping(registry, static_cast<int>(n)) != Trimmed(table[n - 1])) {
            return false;
        }
    }
    return true;
}

// An edit of the table as it is stored now: it changes the table, or says why it cannot.
using TableEdit = std::function<std::optional<TableChange>(std::vector<MappingEntry>&)>;

// Applies the edit under the lock and stores its table. A change that was stopped before, or
// entries left out of order by an older program, are stored in the same write.
TableChange ChangeTable(Registry& registry, Processes& processes, const TableEdit& edit) {
    const TableLock lock(processes);
    if (!lock.Held()) {
        return TableChange::Busy;
    }
    std::vector<MappingEntry> table = StoredTable(registry);
    if (const std::optional<TableChange> refusal = edit(table)) {
        return *refusal;
    }
    if (table.size() > static_cast<std::size_t>(MaxMappingCount)) {
        return TableChange::TableFull;
    }
    const std::vector<std::string> lines = TableChangeLines(table);
    if (StoredSize(lines) > MaxTableChangeSize ||
        !WriteRegistryMarkedLines(registry, SettingsKeyPath, TableChangeValueName, lines,
                                  MaxTableChangeSize)) {
        return TableChange::Refused;
    }
    // From here on every reader sees the new table, whatever becomes of the writes below.
    StoreEntries(registry, table, ReadMappingCount(registry));
    if (StoredEntriesAre(registry, table)) {
        WriteRegistryLines(registry, SettingsKeyPath, TableChangeValueName, {});
    }
    return TableChange::Stored;
}

}  // namespace

std::string MappingKeyPath(std::int64_t n) {
    return std::string(SettingsKeyPath) + "\\" + DecimalText(n);
}

int ReadMappingCount(Registry& registry) {
    return std::clamp(
        ReadRegistryNumber(registry, SettingsKeyPath, NumberofNetworksValueName).value_or(0), 0,
        MaxMappingCount);
}

MappingEntry ReadMapping(Registry& registry, int n) {
    const std::string path = MappingKeyPath(n);
    MappingEntry entry;
    entry.networkName = ReadRegistryStoredText(registry, path, NetworkNameValueName).value_or("");
    entry.printerName = ReadRegistryStoredText(registry, path, PrinterNameValueName).value_or("");
    return entry;
}

int FindMappingByNetwork(Registry& registry, const std::string& networkName) {
    const std::string wanted = TrimSpaces(networkName);
    const int count = ReadMappingCount(registry);
    for (int n = 1; n <= count; ++n) {
        if (ReadMapping(registry, n).networkName == wanted) {
            return n;
        }
    }
    return 0;
}

void AddMapping(Registry& registry, const std::string& networkName,
                const std::string& printerName) {
    const int count = ReadMappingCount(registry);
    if (count == MaxMappingCount) {
        return;
    }
    StoreEntry(registry, count + 1, {networkName, printerName});
    WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, DecimalText(count + 1));
}

void SetMappingPrinter(Registry& registry, int n, const std::string& printerName) {
    if (n < 1) {
        return;
    }
    WriteRegistryText(registry, MappingKeyPath(n), PrinterNameValueName, printerName);
}

std::vector<MappingEntry> ReadMappingTable(Registry& registry, Processes& processes) {
    // Without the lock, the table is read all the same: a reader that found nothing would apply
    // nothing at all.
    const TableLock lock(processes);
    return StoredTable(registry);
}

TableChange AddOrReplaceMapping(Registry& registry, Processes& processes,
                                const std::string& networkName, const std::string& printerName) {
    return ChangeTable(registry, processes, [&](std::vector<MappingEntry>& table) {
        const std::string network = TrimSpaces(networkName);
        bool found = false;
        for (MappingEntry& entry : table) {
            if (entry.networkName == network) {
                entry.printerName = printerName;
                found = true;
            }
        }
        if (!found) {
            if (table.size() >= static_cast<std::size_t>(MaxMappingCount)) {
                return std::optional(TableChange::TableFull);
            }
            table.push_back({networkName, printerName});
        }
        table = WithoutEarlierRepeats(table);
        return std::optional<TableChange>();
    });
}

TableChange RemoveMapping(Registry& registry, Processes& processes, Clock& clock,
                          const MappingEntry& shown) {
    const TableChange result =
        ChangeTable(registry, processes, [&](std::vector<MappingEntry>& table) {
            const auto row = std::find(table.begin(), table.end(), Trimmed(shown));
            if (row == table.end()) {
                return std::optional(TableChange::RowChanged);
            }
            table.erase(row);
            return std::optional<TableChange>();
        });
    clock.Sleep(PauseAfterRemovalMs);
    return result;
}
