#pragma once

#include <cstdint>
#include <vector>

#include "common/platform/ip_address.h"

// The network adapters as GetAdaptersAddresses lists them, as far as the programs read them.

// The call's Win32 error code.
using AdapterListStatus = std::uint32_t;
inline constexpr AdapterListStatus AdapterListOk = 0;        // ERROR_SUCCESS
inline constexpr AdapterListStatus AdapterListNoData = 232;  // ERROR_NO_DATA: no adapter

inline constexpr std::uint32_t OperStatusUp = 1;             // IfOperStatusUp
inline constexpr std::uint32_t IfTypeSoftwareLoopback = 24;  // IF_TYPE_SOFTWARE_LOOPBACK

// IP_ADAPTER_UNICAST_ADDRESS
struct UnicastAddress {
    IpAddress address;
    std::uint8_t onLinkPrefixLength = 0;
};

// IP_ADAPTER_ADDRESSES
struct AdapterAddresses {
    std::uint32_t ifType = 0;
    std::uint32_t operStatus = 0;
    std::vector<UnicastAddress> unicastAddresses;  // IPv4 and IPv6, in the list's order
};

class Adapters {
public:
    virtual ~Adapters() = default;

    // GetAdaptersAddresses for both families, without anycast, multicast and DNS server
    // addresses; the adapters are filled, in the system's order, only when it answers
    // AdapterListOk.
    virtual AdapterListStatus GetAdaptersAddresses(std::vector<AdapterAddresses>& adapters) = 0;
};
