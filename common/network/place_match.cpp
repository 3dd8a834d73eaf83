#include "common/network/place_match.h"

#include <algorithm>

#include "common/network/address_range.h"
#include "common/network/name_lists.h"

PlaceMatch MatchPlace(NetworkList& networks, const std::string& connectedList,
                      const AdapterSnapshot& snapshot, const std::string& place) {
    if (const std::optional<AddressRange> range = ParseAddressRange(place)) {
        const std::optional<IpAddress> address = MatchingAddress(snapshot, *range);
        return {PlaceKind::AddressRange, address.has_value(), address};
    }
    return {PlaceKind::NetworkName,
            !place.empty() && IsNameInConnectedList(networks, connectedList, place), std::nullopt};
}

std::string PlacesText(const std::string& connectedList, const AdapterSnapshot& snapshot,
                       const std::vector<MappingEntry>& table) {
    std::vector<std::string> matching;
    for (const MappingEntry& entry : table) {
        const std::optional<AddressRange> range = ParseAddressRange(entry.networkName);
        if (!range || !MatchingAddress(snapshot, *range)) {
            continue;
        }
        const std::string text = RangeText(*range);
        if (std::find(matching.begin(), matching.end(), text) == matching.end()) {
            matching.push_back(text);
        }
    }
    std::string places = connectedList;
    for (std::size_t i = 0; i < matching.size(); ++i) {
        places += (i == 0 ? "\n" : ", ") + matching[i];
    }
    return places;
}
