#pragma once

#include <string>

#include "common/platform/network_list.h"

// Name lists: network names joined by ", " in the Network List Manager's enumeration order, the
// empty text when there is none. Every call walks the Network List Manager afresh.

// The names of the connected networks.
std::string ConnectedNetworkList(NetworkList& networks);

// The names of every network the Network List Manager knows, connected or not.
std::string AllNetworkList(NetworkList& networks);

// Whether a mapping entry's network is connected: its name, upper-cased and trimmed of spaces,
// equals or occurs anywhere inside the connected list treated alike. The empty name always
// matches.
bool IsNetworkConnected(NetworkList& networks, const std::string& name);

// The same rule against a connected list taken once, so that a long table costs one walk.
bool IsNameInConnectedList(NetworkList& networks, const std::string& connectedList,
                           const std::string& name);
