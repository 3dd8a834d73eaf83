#include "common/settings/applied_networks.h"

#include <vector>

#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

// Kept as one line of a list value: a text value would lose the spaces around a network's name,
// and the list would then never compare equal.
void WriteAppliedNetworks(Registry& registry, const std::string& connectedNetworks,
                          bool printerSet) {
    WriteRegistryLines(registry, SettingsKeyPath, AppliedNetworksValueName,
                       {printerSet ? connectedNetworks : std::string()});
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
