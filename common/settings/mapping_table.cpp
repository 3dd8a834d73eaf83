#include "common/settings/mapping_table.h"

#include <algorithm>

#include "common/settings/decimal_text.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"
#include "common/text/text_helpers.h"

namespace {

constexpr std::uint32_t PauseAfterRemovalMs = 250;

// Copies entry `from` into slot `to` and deletes `from`. The copied names come out trimmed. An
// entry that is not there is not moved: copying it would create an entry with an empty network
// name, which matches every network.
void MoveMapping(Registry& registry, std::int64_t from, std::int64_t to) {
    if (!RegistryKeyExists(registry, MappingKeyPath(from))) {
        return;
    }
    const std::string target = MappingKeyPath(to);
    if (!CreateRegistryKey(registry, target)) {
        return;
    }
    for (const char* valueName : {NetworkNameValueName, PrinterNameValueName}) {
        WriteRegistryText(registry, target, valueName,
                          ReadRegistryText(registry, MappingKeyPath(from), valueName));
    }
    DeleteRegistryKey(registry, MappingKeyPath(from));
}

// Every missing subkey within 1..N has the entries above it moved down one place. The count
// still holds its value from before the removal.
void CloseMappingGaps(Registry& registry) {
    const std::int64_t count = ReadMappingCount(registry);
    if (count < 2) {
        return;
    }
    for (std::int64_t k = 1; k <= count; ++k) {
        if (!RegistryKeyExists(registry, MappingKeyPath(k))) {
            for (std::int64_t j = k; j < count; ++j) {
                MoveMapping(registry, j + 1, j);
            }
        }
    }
}

}  // namespace

std::string MappingKeyPath(std::int64_t n) {
    return std::string(SettingsKeyPath) + "\\" + DecimalText(n);
}

int ReadMappingCount(Registry& registry) {
    return std::clamp(LeadingDecimalNumber(
                          ReadRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName)),
                      0, MaxMappingCount);
}

MappingEntry ReadMapping(Registry& registry, int n) {
    const std::string path = MappingKeyPath(n);
    MappingEntry entry;
    entry.networkName = ReadRegistryText(registry, path, NetworkNameValueName);
    entry.printerName = ReadRegistryText(registry, path, PrinterNameValueName);
    return entry;
}

int FindMappingByNetwork(Registry& registry, const std::string& networkName) {
    const std::string wanted = TrimSpaces(networkName);
    const int count = ReadMappingCount(registry);
    for (std::int64_t n = 1; n <= count; ++n) {
        if (ReadMapping(registry, static_cast<int>(n)).networkName == wanted) {
            return static_cast<int>(n);
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
    const int n = count + 1;
    const std::string path = MappingKeyPath(n);
    CreateRegistryKey(registry, path);
    WriteRegistryText(registry, path, NetworkNameValueName, networkName);
    WriteRegistryText(registry, path, PrinterNameValueName, printerName);
    WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, DecimalText(n));
}

void SetMappingPrinter(Registry& registry, int n, const std::string& printerName) {
    if (n < 1) {
        return;
    }
    WriteRegistryText(registry, MappingKeyPath(n), PrinterNameValueName, printerName);
}

void RemoveMapping(Registry& registry, Clock& clock, int n) {
    const std::string path = MappingKeyPath(n);
    DeleteRegistryKey(registry, path);
    // A subkey that stays (access denied, or it has a subkey of its own) leaves the table as it
    // was: closing the gap and lowering the count would drop the last entry instead.
    if (RegistryKeyExists(registry, path)) {
        return;
    }
    CloseMappingGaps(registry);
    const std::int64_t count = ReadMappingCount(registry);
    WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, DecimalText(count - 1));
    clock.Sleep(PauseAfterRemovalMs);
}

void AddOrReplaceMapping(Registry& registry, const std::string& networkName,
                         const std::string& printerName) {
    const int n = FindMappingByNetwork(registry, networkName);
    if (n != 0) {
        SetMappingPrinter(registry, n, printerName);
    } else {
        AddMapping(registry, networkName, printerName);
    }
}
