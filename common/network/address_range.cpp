#include "common/network/address_range.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/text/text_helpers.h"

namespace {

constexpr std::uint8_t MaxPrefixLength(AddressFamily family) {
    return static_cast<std::uint8_t>(AddressSize(family) * 8);
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDecimalDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A decimal number of one to three digits up to limit, without a leading zero ("010" could be
// read as octal by other tools, so it is refused rather than guessed).
std::optional<unsigned> SmallDecimal(std::string_view text, unsigned limit) {
    if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : text) {
        if (!IsDecimalDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > limit) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    return parts;
}

std::optional<IpAddress> ParseIpv4(std::string_view text) {
    const std::vector<std::string_view> octets = SplitAt(text, '.');
    if (octets.size() != 4) {
        return std::nullopt;
    }
    IpAddress address;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const auto octet = SmallDecimal(octets[i], 255);
        if (!octet) {
            return std::nullopt;
        }
        address.bytes[i] = static_cast<std::uint8_t>(*octet);
    }
    return address;
}

// The 16-bit groups of one side of "::" (or of a whole address without one); nothing when a
// group is empty or not one to four hex digits.
std::optional<std::vector<std::uint16_t>> Ipv6Groups(std::string_view text) {
    std::vector<std::uint16_t> groups;
    if (text.empty()) {
        return groups;
    }
    for (std::string_view group : SplitAt(text, ':')) {
        if (group.empty() || group.size() > 4) {
            return std::nullopt;
        }
        unsigned value = 0;
        for (char c : group) {
            const int digit = HexDigitValue(c);
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * 16 + static_cast<unsigned>(digit);
        }
        groups.push_back(static_cast<std::uint16_t>(value));
    }
    return groups;
}

std::optional<IpAddress> ParseIpv6(std::string_view text) {
    constexpr std::size_t GroupCount = 8;
    const std::size_t gap = text.find("::");
    const bool compressed = gap != std::string_view::npos;
    // A second "::" leaves an empty group in the tail, which Ipv6Groups refuses.
    const auto head = Ipv6Groups(compressed ? text.substr(0, gap) : text);
    const auto tail = Ipv6Groups(compressed ? text.substr(gap + 2) : std::string_view());
    if (!head || !tail) {
        return std::nullopt;
    }
    const std::size_t given = head->size() + tail->size();
    if (compressed ? given >= GroupCount : given != GroupCount) {
        return std::nullopt;
    }
    std::vector<std::uint16_t> groups = *head;
    groups.resize(GroupCount - tail->size(), 0);
    groups.insert(groups.end(), tail->begin(), tail->end());

    IpAddress address;
    address.family = AddressFamily::Ipv6;
    for (std::size_t i = 0; i < GroupCount; ++i) {
        address.bytes[2 * i] = static_cast<std::uint8_t>(groups[i] >> 8);
        address.bytes[2 * i + 1] = static_cast<std::uint8_t>(groups[i] & 0xFF);
    }
    return address;
}

std::string Ipv6Text(const IpAddress& address) {
    std::uint16_t groups[8];
    for (int i = 0; i < 8; ++i) {
        groups[i] =
            static_cast<std::uint16_t>(address.bytes[2 * i] << 8 | address.bytes[2 * i + 1]);
    }
    // The first longest run of zero groups; a single zero group stays written.
    int runStart = -1;
    int runLength = 1;
    for (int i = 0; i < 8;) {
        int end = i;
        while (end < 8 && groups[end] == 0) {
            ++end;
        }
        if (end - i > runLength) {
            runStart = i;
            runLength = end - i;
        }
        i = std::max(end, i + 1);
    }
    std::string text;
    char group[8];
    for (int i = 0; i < 8; ++i) {
        if (i == runStart) {
            text += "::";
            i += runLength - 1;
            continue;
        }
        if (!text.empty() && text.back() != ':') {
            text += ':';
        }
        std::snprintf(group, sizeof group, "%x", static_cast<unsigned>(groups[i]));
        text += group;
    }
    return text;
}

}  // namespace

std::optional<AddressRange> ParseAddressRange(std::string_view text) {
    const std::string trimmed = TrimSpaces(std::string(text));
    const std::size_t slash = trimmed.find('/');
    if (slash == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view address = std::string_view(trimmed).substr(0, slash);
    const std::string_view prefix = std::string_view(trimmed).substr(slash + 1);
    const bool isIpv6 = address.find(':') != std::string_view::npos;
    const auto base = isIpv6 ? ParseIpv6(address) : ParseIpv4(address);
    if (!base) {
        return std::nullopt;
    }
    const auto prefixLength = SmallDecimal(prefix, MaxPrefixLength(base->family));
    if (!prefixLength) {
        return std::nullopt;
    }
    return RangeAround(*base, static_cast<std::uint8_t>(*prefixLength));
}

bool LooksLikeAddressRange(std::string_view text) {
    const bool onlyRangeCharacters = std::all_of(text.begin(), text.end(), [](char c) {
        return HexDigitValue(c) >= 0 || c == '.' || c == ':' || c == '/' || c == ' ';
    });
    return onlyRangeCharacters && text.find('/') != std::string_view::npos &&
           text.find_first_of(".:") != std::string_view::npos;
}

AddressRange RangeAround(const IpAddress& address, std::uint8_t prefixLength) {
    AddressRange range{address, prefixLength};
    for (std::size_t i = 0; i < range.base.bytes.size(); ++i) {
        const int bitsKept =
            std::clamp(static_cast<int>(prefixLength) - static_cast<int>(i) * 8, 0, 8);
        range.base.bytes[i] &= static_cast<std::uint8_t>(0xFF00 >> bitsKept);
    }
    return range;
}

bool RangeContains(const AddressRange& range, const IpAddress& address) {
    // Equal bases have equal families, so no IPv6 address falls into an IPv4 range.
    return RangeAround(address, range.prefixLength).base == range.base;
}

std::string AddressText(const IpAddress& address) {
    if (address.family == AddressFamily::Ipv6) {
        return Ipv6Text(address);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address.bytes[0], address.bytes[1],
                  address.bytes[2], address.bytes[3]);
    return text;
}

std::string RangeText(const AddressRange& range) {
    return AddressText(range.base) + "/" + std::to_string(range.prefixLength);
}
