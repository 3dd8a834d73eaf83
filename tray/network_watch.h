#pragma once

#include <cstdint>
#include <string>

#include "common/platform/network_list.h"

// The tray program's minute-by-minute watch over the connected networks. The last-seen list
// starts empty rather than with the networks of start-up, so the first tick at which any network
// is connected always counts as a change and hands over to the Manager.
class NetworkWatch {
public:
    // True when ConnectedNetworkList differs (exactly, case included) from the last-seen list;
    // the list is then taken afresh and kept as the last-seen one.
    bool ConnectedNetworksChanged(NetworkList& network);

    const std::string& LastSeen() const { return lastSeen_; }

private:
    std::string lastSeen_;
};

// How often the tray program looks at the connected networks: once a minute. It has a file of its
// own so that a test build of the program can link a shorter one.
extern const std::uint32_t NetworkWatchInterval;
