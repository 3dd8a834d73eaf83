#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "common/platform/network_list.h"

// The tray program's watch over the connected networks, at its minute tick and after network
// events. Started empty, the first look at which any network is connected counts as a change and
// hands over to the Manager. Started from the list the Manager applied, only a real change does.
class NetworkWatch {
public:
    NetworkWatch() = default;
    explicit NetworkWatch(std::string lastSeen) : lastSeen_(std::move(lastSeen)) {}

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
