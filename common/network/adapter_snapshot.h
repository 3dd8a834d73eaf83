#pragma once

#include <optional>
#include <vector>

#include "common/network/address_range.h"
#include "common/platform/adapters.h"

// The unicast addresses of the adapters that are up and not loopback ones, taken in one look at
// the adapters. A run takes one snapshot and matches every row of its table against it, so a
// long table costs no more calls than a short one.
struct AdapterSnapshot {
    AdapterListStatus status = AdapterListOk;  // of the look; no addresses unless AdapterListOk
    std::vector<UnicastAddress> addresses;     // in the adapters' order
};

AdapterSnapshot TakeAdapterSnapshot(Adapters& adapters);

// The first address of the snapshot inside the range; nothing when none is.
std::optional<IpAddress> MatchingAddress(const AdapterSnapshot& snapshot,
                                         const AddressRange& range);
