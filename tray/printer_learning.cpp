#include "tray/printer_learning.h"

#include <algorithm>
#include <vector>

#include "common/network/name_lists.h"
#include "common/settings/applied_networks.h"
#include "common/settings/options.h"
#include "common/settings/registry_access.h"
#include "common/settings/settings_keys.h"

namespace {

// The network to learn for: the one whose entry Lumivo applied last, else the first connected.
std::string LearningNetwork(const MappingEntry& applied, const std::string& connected) {
    return applied.networkName.empty() ? connected.substr(0, connected.find(", "))
                                       : applied.networkName;
}

bool IsInstalled(Spooler& spooler, const std::string& printer) {
    const std::vector<std::string> names = spooler.PrinterNames();
    return std::find(names.begin(), names.end(), printer) != names.end();
}

bool TableMaps(Registry& registry, const std::string& network, const std::string& printer) {
    const int n = FindMappingByNetwork(registry, network);
    return n != 0 && ReadMapping(registry, n).printerName == printer;
}

}  // namespace

std::optional<MappingEntry> PrinterLearning::OfferFor(const std::string& printer,
                                                      Registry& registry, Spooler& spooler,
                                                      NetworkList& networks) {
    const std::string previous = std::exchange(default_, printer);
    if (printer == previous || printer.empty() || !IsLegacyDefaultPrinterMode(registry) ||
        !IsOptionEnabled(registry, ShowNoticesValueName)) {
        return std::nullopt;
    }
    const MappingEntry applied = ReadAppliedEntry(registry);
    const std::string connected = ConnectedNetworkList(networks);
    if (printer == applied.printerName || connected.empty()) {
        return std::nullopt;
    }
    const std::string network = LearningNetwork(applied, connected);
    if (TableMaps(registry, network, printer) || !IsInstalled(spooler, previous) ||
        !offered_.emplace(network, printer).second) {
        return std::nullopt;
    }
    return MappingEntry{network, printer};
}

std::string DefaultPrinterOfDevice(const std::string& device) {
    return device.substr(0, device.find(','));
}

std::string ReadDefaultPrinter(Registry& registry) {
    return DefaultPrinterOfDevice(
        ReadRegistryText(registry, WindowsPrinterKeyPath, DeviceValueName));
}
