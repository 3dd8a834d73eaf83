#include "console/mapping_editor.h"

#include "common/services/spooler_error_text.h"
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

std::vector<MappingEntry> MappingRows(Registry& registry) {
    std::vector<MappingEntry> rows;
    const int count = ReadMappingCount(registry);
    for (int n = 1; n <= count; ++n) {
        rows.push_back(ReadMapping(registry, n));
    }
    return rows;
}

bool RemoveMappingRow(Registry& registry, Clock& clock, int row) {
    if (row < 1 || row > ReadMappingCount(registry)) {
        return false;
    }
    RemoveMapping(registry, clock, row);
    return true;
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
