#include "common/services/places_to_apply.h"

#include <algorithm>
#include <optional>

#include "common/network/address_range.h"

namespace {

// Higher is more specific: any network name above the longest prefix of a range.
int Specificity(const MappingEntry& place) {
    constexpr int NetworkName = 1000;
    const std::optional<AddressRange> range = ParseAddressRange(place.networkName);
    return range ? range->prefixLength : NetworkName;
}

// Least specific first; among equals the first value last, where its match wins.
std::vector<MappingEntry> InOrderOfApplication(std::vector<MappingEntry> places) {
    std::reverse(places.begin(), places.end());
    std::stable_sort(places.begin(), places.end(),
                     [](const MappingEntry& a, const MappingEntry& b) {
                         return Specificity(a) < Specificity(b);
                     });
    return places;
}

}  // namespace

PlacesToApply ReadPlacesToApply(Registry& registry, Processes& processes) {
    OrganizationPlaces organization = ReadOrganizationPlaces(registry);
    PlacesToApply toApply;
    toApply.entries = InOrderOfApplication(std::move(organization.places));
    toApply.organizationCount = toApply.entries.size();
    toApply.ignored = std::move(organization.ignored);
    toApply.userRowsApplied = UsersKeepTheirRows(registry);
    if (toApply.userRowsApplied) {
        const std::vector<MappingEntry> rows = ReadMappingTable(registry, processes);
        toApply.entries.insert(toApply.entries.end(), rows.begin(), rows.end());
    }
    return toApply;
}
