#include "tray/printer_learning.h"

#include <algorithm>
#include <vector>

#include "common/network/name_lists.h"
#include "common/settings/applied_networks.h"
#include "common/settings/options.h"
#include "common/settings/organization_places.h"
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

// The Manager names each printer it sets before it sets it, so a change heard of late is still
// known for its own.
bool IsLumivosOwn(Registry& registry, const std::string& printer) {
    const std::vector<std::string> printers = ReadRunPrinters(registry);
    return std::find(printers.begin(), printers.end(), printer) != printers.end();
}

}  // namespace

std::optional<MappingEntry> PrinterLearning::OfferFor(const std::string& printer,
                                                      Registry& registry, Spooler& spooler,
                                                      NetworkList& networks) {
    const std::string previous = std::exchange(default_, printer);
    if (printer == previous || printer.empty() || IsLumivosOwn(registry, printer)) {
        return std::nullopt;
    }
    pickedByOthers_ = true;
    if (!IsLegacyDefaultPrinterMode(registry) || !IsOptionEnabled(registry, ShowNoticesValueName) ||
        !UsersKeepTheirRows(registry)) {
        return std::nullopt;
    }
    const std::string connected = ConnectedNetworkList(networks);
    if (connected.empty()) {
        return std::nullopt;
    }
    const std::string network = LearningNetwork(ReadAppliedEntry(registry), connected);
    if (TableMaps(registry, network, printer) || !IsInstalled(spooler, previous) ||
        !offered_.emplace(network, printer).second) {
        return std::nullopt;
    }
    return MappingEntry{network, printer};
}

std::optional<TableChange> RememberPrinter(Registry& registry, Processes& processes,
                                           const MappingEntry& offer) {
    const TableChange result =
        AddOrReplaceMapping(registry, processes, offer.networkName, offer.printerName);
    return result == TableChange::Stored ? std::nullopt : std::optional(result);
}

std::string DefaultPrinterOfDevice(const std::string& device) {
    return device.substr(0, device.find(','));
}

std::string ReadDefaultPrinter(Registry& registry) {
    return DefaultPrinterOfDevice(
        ReadRegistryText(registry, WindowsPrinterKeyPath, DeviceValueName));
}
