#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum class AddressFamily : std::uint8_t { Ipv4, Ipv6 };

// An IPv4 or IPv6 address in network byte order; an IPv4 address uses the first four bytes and
// leaves the rest zero.
struct IpAddress {
    AddressFamily family = AddressFamily::Ipv4;
    std::array<std::uint8_t, 16> bytes{};

    friend bool operator==(const IpAddress&, const IpAddress&) = default;
};

// How many bytes an address of the family has.
constexpr std::size_t AddressSize(AddressFamily family) {
    return family == AddressFamily::Ipv4 ? 4 : 16;
}
