#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/platform/ip_address.h"

// A range of addresses in CIDR form: every address whose first prefixLength bits are base's.
struct AddressRange {
    IpAddress base;  // its host bits are zero
    std::uint8_t prefixLength = 0;

    friend bool operator==(const AddressRange&, const AddressRange&) = default;
};

// The range of a text "ADDRESS/PREFIX": an IPv4 address in four decimal octets with a prefix of
// 0 to 32 ("10.20.0.0/16"), or an IPv6 address in hex groups, with at most one "::", and a
// prefix of 0 to 128 ("2001:db8:5::/48"). Spaces around the text do not count. Host bits that are
// set are cleared ("10.20.1.5/16" is 10.20.0.0/16). Nothing for any other text: spaces inside,
// an octet over 255, a leading zero in an octet or in the prefix, a group of more than four hex
// digits, a zone ("%"), a dotted IPv4 tail in an IPv6 address or a missing prefix.
std::optional<AddressRange> ParseAddressRange(std::string_view text);

// True when the text was meant as a range, well-formed or not: it has a "/" and a dot or a
// colon, and nothing but hex digits, dots, colons, slashes and spaces. Such a text that
// ParseAddressRange refuses is a mistyped range rather than a network name.
bool LooksLikeAddressRange(std::string_view text);

// The range of the addresses that share the first prefixLength bits with address.
AddressRange RangeAround(const IpAddress& address, std::uint8_t prefixLength);

// True when the address is of the range's family and inside it.
bool RangeContains(const AddressRange& range, const IpAddress& address);

// "198.51.100.7"; "2001:db8::7": IPv6 in lower case with the first longest run of two or more
// zero groups written as "::".
std::string AddressText(const IpAddress& address);

// "10.20.0.0/16", "2001:db8:5::/48".
std::string RangeText(const AddressRange& range);
