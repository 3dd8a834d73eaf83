#pragma once

#include <optional>
#include <set>
#include <string>
#include <utility>

#include "common/platform/network_list.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/services/printer_notices.h"
#include "common/settings/mapping_table.h"

// The tray program notices when the default printer changes by other hands and offers once to
// remember the new one for the connected network: the network whose entry Lumivo applied last,
// or with none the first connected network. It offers nothing while Windows manages the default
// printer, with notices off, while the organization keeps the users' own rows from applying,
// without a connected network, for a printer the table already maps there, for a printer that the
// Manager sets ("RunPrinters"), and when the previous default is gone (Windows then picks a new
// default itself: that is not the user's choice).
class PrinterLearning {
public:
    explicit PrinterLearning(std::string defaultPrinter) : default_(std::move(defaultPrinter)) {}

    // The default printer is now `printer`: the entry to offer, if any. Each network and printer
    // is offered once in the program's life, which ends when the networks change.
    std::optional<MappingEntry> OfferFor(const std::string& printer, Registry& registry,
                                         Spooler& spooler, NetworkList& networks);

    // Whether other hands than Lumivo's changed the default printer in the program's life, which
    // ends the minute retry of a missing printer.
    bool PickedByOthers() const { return pickedByOthers_; }

private:
    std::string default_;
    bool pickedByOthers_ = false;
    std::set<std::pair<std::string, std::string>> offered_;
};

// Stores an accepted offer as the Console's "Add" does: nothing when the table holds it,
// otherwise why it does not.
std::optional<TableChange> RememberPrinter(Registry& registry, Processes& processes,
                                           const MappingEntry& offer);

// The printer named by Windows' "Device" value ("NAME,winspool,Ne00:"): the text before its
// first comma.
std::string DefaultPrinterOfDevice(const std::string& device);

// Windows' default printer as its "Device" value names it; reading it loads no spooler.
std::string ReadDefaultPrinter(Registry& registry);
