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
