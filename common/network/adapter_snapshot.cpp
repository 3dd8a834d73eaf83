#include "common/network/adapter_snapshot.h"

#include <algorithm>

namespace {

// A loopback adapter is up on every machine, so a range of its addresses would say nothing
// about where the machine is.
bool CountsForPlaces(const AdapterAddresses& adapter) {
    return adapter.operStatus == OperStatusUp && adapter.ifType != IfTypeSoftwareLoopback;
}

}  // namespace

AdapterSnapshot TakeAdapterSnapshot(Adapters& adapters) {
    std::vector<AdapterAddresses> listed;
    AdapterSnapshot snapshot;
    // A failed look fills nothing in, so it gives no addresses.
    snapshot.status = adapters.GetAdaptersAddresses(listed);
    for (const AdapterAddresses& adapter : listed) {
        if (CountsForPlaces(adapter)) {
            snapshot.addresses.insert(snapshot.addresses.end(), adapter.unicastAddresses.begin(),
                                      adapter.unicastAddresses.end());
        }
    }
    return snapshot;
}

std::optional<IpAddress> MatchingAddress(const AdapterSnapshot& snapshot,
                                         const AddressRange& range) {
    const auto found = std::find_if(
        snapshot.addresses.begin(), snapshot.addresses.end(),
        [&range](const UnicastAddress& unicast) { return RangeContains(range, unicast.address); });
    if (found == snapshot.addresses.end()) {
        return std::nullopt;
    }
    return found->address;
}
