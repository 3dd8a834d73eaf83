#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/network/adapter_snapshot.h"
#include "common/platform/ip_address.h"
#include "common/platform/network_list.h"
#include "common/settings/mapping_table.h"

// A mapping entry's network is a place: a network name, or an address range in CIDR form
// ("10.20.0.0/16"), which tells apart offices whose networks share one name. A text that is not
// a valid range is a network name.
enum class PlaceKind { NetworkName, AddressRange };

struct PlaceMatch {
    PlaceKind kind = PlaceKind::NetworkName;
    bool matched = false;
    std::optional<IpAddress> address;  // for a range that matched: the adapter's address in it
};

// Whether the place is here, from one look at the networks and the adapters taken for the whole
// run: a range matches while an adapter that is up, not a loopback one, has an address in it; a
// name matches as IsNetworkConnected says. The empty name matches nothing, as every list of
// connected networks would contain it.
PlaceMatch MatchPlace(NetworkList& networks, const std::string& connectedList,
                      const AdapterSnapshot& snapshot, const std::string& place);

// What decides which entries apply, as a text that changes whenever that could: the connected
// list, and after it, on a line of their own, the table's ranges that match now. Without a
// matching range it is the connected list alone, so addresses that come and go outside the
// table's ranges (new IPv6 privacy addresses, for one) change nothing.
std::string PlacesText(const std::string& connectedList, const AdapterSnapshot& snapshot,
                       const std::vector<MappingEntry>& table);
