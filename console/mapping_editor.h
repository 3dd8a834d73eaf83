#pragma once

#include <string>
#include <vector>

#include "common/network/adapter_snapshot.h"
#include "common/platform/clock.h"
#include "common/platform/processes.h"
#include "common/platform/registry.h"
#include "common/platform/spooler.h"
#include "common/settings/mapping_table.h"

// The mapping editor's decisions. The store is the only copy of the table: every change goes
// there at once and the list is rebuilt from it.

// The range that Add's refusal of a malformed one gives as an example.
extern const std::string ExampleAddressRange;

// The names offered in the network box: the name list cut at every comma, spaces around each
// piece removed. Every piece counts, so an empty list offers one empty name.
std::vector<std::string> NetworkChoices(const std::string& nameList);

// The ranges offered in the network box after the names: the range of each address of the
// snapshot with its on-link prefix ("198.51.100.0/24"), each once. IPv6 link-local ranges are left
// out, as every adapter has one and they name no place.
std::vector<std::string> RangeChoices(const AdapterSnapshot& snapshot);

// Who set a row of the mapping list.
enum class RowOwner { User, Organization };

struct MappingRow {
    MappingEntry entry;
    RowOwner owner = RowOwner::User;

    friend bool operator==(const MappingRow&, const MappingRow&) = default;
};

// The list's "Set by" column: "You" or "Your organization".
std::string RowOwnerText(RowOwner owner);

// The rows of the mapping list in the order they apply: the organization's places, then the
// table as the store holds it now unless the organization keeps the user's rows from applying.
std::vector<MappingRow> MappingRows(Registry& registry, Processes& processes);

// "Add" and "Remove" of the row the list showed: what to tell the user, empty when the table
// holds the change. The organization's rows are not the user's to remove, and while the user's
// own rows do not apply, nothing is added. Add stores no network that looks like an address
// range but is not a valid one: it would never match, neither as a range nor as a name.
std::string AddMappingRow(Registry& registry, Processes& processes, const std::string& networkName,
                          const std::string& printerName);
std::string RemoveMappingRow(Registry& registry, Processes& processes, Clock& clock,
                             const MappingRow& shown);

// The present default printer as label 1022 shows it.
std::string GetPresentDefaultPrinter(Spooler& spooler);

// What "Change Default Printer To Selected Printer" leaves to show.
struct DefaultPrinterChange {
    std::string label;    // label 1022's new text
    std::string failure;  // why the spooler refused the printer; empty when it took it

    friend bool operator==(const DefaultPrinterChange&, const DefaultPrinterChange&) = default;
};

// "Change Default Printer To Selected Printer": asks the spooler to make the named printer (cut
// to 255 characters) the default.
DefaultPrinterChange ChangeDefaultPrinter(Spooler& spooler, Clock& clock,
                                          const std::string& printerName);
