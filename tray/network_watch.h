#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/platform/adapters.h"
#include "common/platform/network_list.h"
#include "common/settings/mapping_table.h"

// The tray program's watch over the connected networks and the table's address ranges that match,
// at its minute tick and after network and address events. Started empty, the first look at which
// any network is connected counts as a change and hands over to the Manager. Started from the list
// the Manager applied, only a real change does.
class NetworkWatch {
public:
    NetworkWatch() = default;
    explicit NetworkWatch(std::string lastSeen) : lastSeen_(std::move(lastSeen)) {}

    // True when PlacesText (of ConnectedNetworkList, one adapter snapshot and the table) differs
    // exactly, case included, from the last-seen text, which it then replaces: a move between two
    // offices that share a network name but not a range is a change.
    bool ConnectedNetworksChanged(NetworkList& network, Adapters& adapters,
                                  const std::vector<MappingEntry>& table);

    const std::string& LastSeen() const { return lastSeen_; }

private:
    std::string lastSeen_;
};

// How often the tray program looks at the connected networks: once a minute. It has a file of its
// own so that a test build of the program can link a shorter one.
extern const std::uint32_t NetworkWatchInterval;
