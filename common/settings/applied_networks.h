#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/platform/registry.h"
#include "common/settings/mapping_table.h"

// The tray program hands over to the Manager when the connected networks differ from those the
// Manager applied last, which the Manager keeps as "AppliedNetworks".
void WriteAppliedNetworks(Registry& registry, const std::string& connectedNetworks);

// The list as the Manager wrote it, spaces and all; empty when it is missing.
std::string ReadAppliedNetworks(Registry& registry);

// The network and printer of the entry that the Manager's latest run applied last, for the tray
// program's offer to learn a printer; nothing when no entry applied.
void WriteAppliedEntry(Registry& registry, const std::optional<MappingEntry>& entry);

// The entry as the Manager wrote it; two empty names when there is none.
MappingEntry ReadAppliedEntry(Registry& registry);

// The printers the Manager makes the default in a run. The tray program hears of each change
// later, when the Manager may have gone on to the next entry, so the Manager writes each printer
// here before it changes the default: the tray program then takes a change to one of them for
// Lumivo's own, never for the user's choice.
void WriteRunPrinters(Registry& registry, const std::vector<std::string>& printers);
std::vector<std::string> ReadRunPrinters(Registry& registry);

// While the printer meant to stay the default is missing (not installed yet, or refused by the
// spooler), the tray program asks the Manager at each minute tick to retry the matches it could
// not set after the last one it set. The default printer the Manager left tells the retry whether
// the user has picked another one since.
struct PrinterRetry {
    std::string leftDefault;
    std::vector<MappingEntry> entries;  // none: nothing to retry

    friend bool operator==(const PrinterRetry&, const PrinterRetry&) = default;
};

void WritePrinterRetry(Registry& registry, const PrinterRetry& retry);
PrinterRetry ReadPrinterRetry(Registry& registry);
