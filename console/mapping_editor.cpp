#include "console/mapping_editor.h"

#include "common/services/places_to_apply.h"
#include "common/services/spooler_error_text.h"
#include "common/services/table_change_text.h"
#include "common/settings/registry_access.h"
#include "common/text/text_helpers.h"

const std::string NoDefaultPrinterText = "(no default printer)";

std::vector<std::string> NetworkChoices(const std::string& nameList) {
    std::vector<std::string> choices;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = nameList.find(',', start);
        choices.push_back(TrimSpaces(nameList.substr(start, comma - start)));
        if (comma == std::string::npos) {
            return choices;
        }
        start = comma + 1;
    }
}

std::string RowOwnerText(RowOwner owner) {
    return owner == RowOwner::Organization ? "Your organization" : "You";
}

const std::string OrganizationRowText =
    "Your organization set this place, so only your organization can remove or change it.";
const std::string OrganizationPlacesOnlyText =
    "Your organization sets the places Lumivo uses, so you cannot add or change entries.";

std::vector<MappingRow> MappingRows(Registry& registry, Processes& processes) {
    const PlacesToApply places = ReadPlacesToApply(registry, processes);
    std::vector<MappingRow> rows;
    for (std::size_t i = 0; i < places.entries.size(); ++i) {
        rows.push_back({places.entries[i],
                        places.IsOrganizations(i) ? RowOwner::Organization : RowOwner::User});
    }
    return rows;
}

std::string AddMappingRow(Registry& registry, Processes& processes, const std::string& networkName,
                          const std::string& printerName) {
    if (!UsersKeepTheirRows(registry)) {
        return OrganizationPlacesOnlyText;
    }
    return TableChangeFailureText(
        AddOrReplaceMapping(registry, processes, networkName, printerName));
}

std::string RemoveMappingRow(Registry& registry, Processes& processes, Clock& clock,
                             const MappingRow& shown) {
    if (shown.owner == RowOwner::Organization) {
        return OrganizationRowText;
    }
    return TableChangeFailureText(RemoveMapping(registry, processes, clock, shown.entry));
}

std::string GetPresentDefaultPrinter(Spooler& spooler) {
    const std::string name = spooler.PresentDefaultPrinter();
    return name.empty() ? NoDefaultPrinterText : name;
}

DefaultPrinterChange ChangeDefaultPrinter(Spooler& spooler, Clock& clock,
                                          const std::string& printerName) {
    const std::string name = printerName.substr(0, MaxPrinterNameLength);
    const SpoolerStatus status = spooler.SetDefaultPrinterA(name);
    // Lets the spooler settle before the default is asked for again.
    clock.Sleep(0);
    return {GetPresentDefaultPrinter(spooler),
            status == SpoolerSuccess ? "" : CouldNotSetPrinterText(name, status)};
}
