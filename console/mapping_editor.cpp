#include "console/mapping_editor.h"

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

std::vector<MappingEntry> MappingRows(Registry& registry, Processes& processes) {
    return ReadMappingTable(registry, processes);
}

std::string AddMappingRow(Registry& registry, Processes& processes, const std::string& networkName,
                          const std::string& printerName) {
    return TableChangeFailureText(
        AddOrReplaceMapping(registry, processes, networkName, printerName));
}

std::string RemoveMappingRow(Registry& registry, Processes& processes, Clock& clock,
                             const MappingEntry& shown) {
    return TableChangeFailureText(RemoveMapping(registry, processes, clock, shown));
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
