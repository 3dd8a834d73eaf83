#include "console/mapping_editor.h"

#include <algorithm>

#include "common/network/address_range.h"
#include "common/services/places_to_apply.h"
#include "common/services/spooler_error_text.h"
#include "common/services/table_change_text.h"
#include "common/settings/registry_access.h"
#include "common/text/text_helpers.h"

const std::string NoDefaultPrinterText = "(no default printer)";
const std::string ExampleAddressRange = "10.20.0.0/16";

namespace {

const AddressRange Ipv6LinkLocal = *ParseAddressRange("fe80::/10");

std::string MalformedRangeText(const std::string& networkName) {
    // Appended piece by piece: GCC 12 warns wrongly about a literal plus a string here.
    std::string text(1, '"');
    text += TrimSpaces(networkName);
    text +=
        "\" is not a valid address range. Type an address, a slash and the number of leading "
        "bits that the range shares, for example ";
    text += ExampleAddressRange;
    text += " or 2001:db8:5::/48.";
    return text;
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
    if (LooksLikeAddressRange(networkName) && !ParseAddressRange(networkName)) {
        return MalformedRangeText(networkName);
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
