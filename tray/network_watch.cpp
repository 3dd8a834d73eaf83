#include "tray/network_watch.h"

#include "common/network/name_lists.h"

bool NetworkWatch::ConnectedNetworksChanged(NetworkList& network) {
    if (ConnectedNetworkList(network) == lastSeen_) {
        return false;
    }
    lastSeen_ = ConnectedNetworkList(network);
    return true;
}
