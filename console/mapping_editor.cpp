#include "console/mapping_editor.h"

#include <algorithm>

#include "common/network/address_range.h"
#include "common/services/places_to_apply.h"
#include "common/services/spooler_error_text.h"
#include "common/services/table_change_text.h"
#include "common/settings/registry_access.h"
#include "common/text/text_helpers.h"
#include "common/text/texts.h"

const std::string ExampleAddressRange = "10.20.0.0/16";
const std::string ExampleIpv6Range = "2001:db8:5::/48";

namespace {

const AddressRange Ipv6LinkLocal = *ParseAddressRange("fe80::/10");

std::string MalformedRangeText(const std::string& networkName) {
    return Text(IDS_MALFORMED_RANGE,
                {ShownText(TrimSpaces(networkName)), ExampleAddressRange, ExampleIpv6Range});
}

}  // namespace

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

std::vector<std::string> RangeChoices(const AdapterSnapshot& snapshot) {
    std::vector<std::string> choices;
    for (const UnicastAddress& unicast : snapshot.addresses) {
        if (RangeContains(Ipv6LinkLocal, unicast.address)) {
            continue;
        }
        const std::string range =
            RangeText(RangeAround(unicast.address, unicast.onLinkPrefixLength));
        if (std::find(choices.begin(), choices.end(), range) == choices.end()) {
            choices.push_back(range);
        }
    }
    return choices;
}

std::string RowOwnerText(RowOwner owner) {
    return Text(owner == RowOwner::Organization ? IDS_OWNER_ORGANIZATION : IDS_OWNER_USER);
}

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
        return Text(IDS_ORGANIZATION_PLACES_ONLY);
    }
    if (LooksLikeAddressRange(networkName) && !ParseAddressRange(networkName)) {
        return MalformedRangeText(networkName);
    }
    return TableChangeFailureText(
        AddOrReplaceMapping(registry, processes, networkName, printerName));
}

std::string RemoveMappingRow(Registry& registry, Processes& processes, Clock& clock,
                             const MappingRow& shown) {
    if (shown.owner == RowOwner::Organization) {
        return Text(IDS_ORGANIZATION_ROW);
    }
    return TableChangeFailureText(RemoveMapping(registry, processes, clock, shown.entry));
}

std::string GetPresentDefaultPrinter(Spooler& spooler) {
    const std::string name = spooler.PresentDefaultPrinter();
    return name.empty() ? Text(IDS_NO_DEFAULT_PRINTER) : ShownText(name);
}

DefaultPrinterChange ChangeDefaultPrinter(Spooler& spooler, Clock& clock,
                                          const std::string& printerName) {
    const std::string name = printerName.substr(0, MaxPrinterNameLength);
    const SpoolerStatus status = spooler.SetDefaultPrinterA(name);
    // Lets the spooler settle before the default is asked for again.
    clock.Sleep(0);
    return {GetPresentDefaultPrinter(spooler),
            status == SpoolerSuccess ? "" : CouldNotSetPrinterText(ShownText(name), status)};
}
