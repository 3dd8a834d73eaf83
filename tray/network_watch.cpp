#include "tray/network_watch.h"

#include "common/network/adapter_snapshot.h"
#include "common/network/name_lists.h"
#include "common/network/place_match.h"

bool NetworkWatch::ConnectedNetworksChanged(NetworkList& network, Adapters& adapters,
                                            const std::vector<MappingEntry>& table) {
    std::string places =
        PlacesText(ConnectedNetworkList(network), TakeAdapterSnapshot(adapters), table);
    if (places == lastSeen_) {
        return false;
    }
    lastSeen_ = std::move(places);
    return true;
}
