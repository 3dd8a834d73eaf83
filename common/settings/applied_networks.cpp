#include "common/settings/applied_networks.h"

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

// Kept as one line of a list value: a text value would lose the spaces around a network's name,
// and the list would then never compare equal.
void WriteAppliedNetworks(Registry& registry, const std::string& connectedNetworks) {
    WriteRegistryLines(registry, SettingsKeyPath, AppliedNetworksValueName, {connectedNetworks});
}

std::string ReadAppliedNetworks(Registry& registry) {
    const std::vector<std::string> lines =
        ReadRegistryLines(registry, SettingsKeyPath, AppliedNetworksValueName);
    return lines.empty() ? std::string() : lines.front();
}

void WriteAppliedEntry(Registry& registry, const std::optional<MappingEntry>& entry) {
    WriteRegistryLines(registry, SettingsKeyPath, AppliedEntryValueName,
                       entry ? std::vector<std::string>{entry->networkName, entry->printerName}
                             : std::vector<std::string>{});
}

MappingEntry ReadAppliedEntry(Registry& registry) {
    const std::vector<std::string> lines =
        ReadRegistryLines(registry, SettingsKeyPath, AppliedEntryValueName);
    return lines.size() == 2 ? MappingEntry{lines[0], lines[1]} : MappingEntry{};
}

void WriteRunPrinters(Registry& registry, const std::vector<std::string>& printers) {
    WriteRegistryLines(registry, SettingsKeyPath, RunPrintersValueName, printers);
}

std::vector<std::string> ReadRunPrinters(Registry& registry) {
    return ReadRegistryLines(registry, SettingsKeyPath, RunPrintersValueName);
}

// One value, so that a reader never finds the entries of one run beside the default of another.
// An empty name (no default printer) must keep its line, or every name after it would shift.
void WritePrinterRetry(Registry& registry, const PrinterRetry& retry) {
    std::vector<std::string> lines;
    if (!retry.entries.empty()) {
        lines.push_back(retry.leftDefault);
        for (const MappingEntry& entry : retry.entries) {
            lines.push_back(entry.networkName);
            lines.push_back(entry.printerName);
        }
    }
    WriteRegistryMarkedLines(registry, SettingsKeyPath, PrinterRetryValueName, lines);
}

PrinterRetry ReadPrinterRetry(Registry& registry) {
    const std::vector<std::string> names =
        ReadRegistryMarkedLines(registry, SettingsKeyPath, PrinterRetryValueName)
            .value_or(std::vector<std::string>{});
    PrinterRetry retry;
    for (std::size_t i = 1; i + 1 < names.size(); i += 2) {
        retry.entries.push_back({names[i], names[i + 1]});
    }
    if (!retry.entries.empty()) {
        retry.leftDefault = names[0];
    }
    return retry;
}
