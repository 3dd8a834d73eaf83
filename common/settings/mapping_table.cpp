#include "common/settings/mapping_table.h"

#include <limits>

#include "common/settings/decimal_text.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

constexpr std::uint32_t kPauseAfterRemovalMs = 250;

// Copies entry `from` into slot `to` and deletes `from`. The copied names come out trimmed.
void MoveMapping(Registry& registry, std::int64_t from, std::int64_t to) {
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
    return LeadingDecimalNumber(
        ReadRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName));
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
    // A count at the top of the 32-bit range has no next number to give.
    if (count == std::numeric_limits<int>::max()) {
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
    DeleteRegistryKey(registry, MappingKeyPath(n));
    CloseMappingGaps(registry);
    const std::int64_t count = ReadMappingCount(registry);
    WriteRegistryText(registry, SettingsKeyPath, NumberofNetworksValueName, DecimalText(count - 1));
    clock.Sleep(kPauseAfterRemovalMs);
}
