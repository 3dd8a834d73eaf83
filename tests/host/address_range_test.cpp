// Address ranges in CIDR form, and matching them against the adapters' addresses.
#include <gtest/gtest.h>

#include <string>

#include "common/network/adapter_snapshot.h"
#include "common/network/address_range.h"
#include "tests/support/fakes/scripted_adapters.h"

namespace {

IpAddress Address(const std::string& text) {
    const int fullLength = text.find(':') == std::string::npos ? 32 : 128;
    return ParseAddressRange(text + "/" + std::to_string(fullLength)).value().base;
}

TEST(AddressRanges, WellFormedRangesReadAsTheyAreWritten) {
    const char* const cases[][2] = {
        {"10.20.0.0/16", "10.20.0.0/16"},
        {"  192.0.2.0/24 ", "192.0.2.0/24"},
        {"0.0.0.0/0", "0.0.0.0/0"},
        {"255.255.255.255/32", "255.255.255.255/32"},
        {"10.20.1.5/16", "10.20.0.0/16"},  // host bits cleared
        {"198.51.100.7/25", "198.51.100.0/25"},
        {"2001:db8:5::/48", "2001:db8:5::/48"},
        {"2001:DB8:0:0:1:0:0:1/128", "2001:db8::1:0:0:1/128"},
        {"::/0", "::/0"},
        {"::1/128", "::1/128"},
        {"fe80::/10", "fe80::/10"},
        {"2001:db8:5:ffff::/49", "2001:db8:5:8000::/49"},
        {"1:2:3:4:5:6:7::/128", "1:2:3:4:5:6:7:0/128"},
        {"1:0:2:3:4:5:6:7/128", "1:0:2:3:4:5:6:7/128"},
    };
    for (const auto& c : cases) {
        const auto range = ParseAddressRange(c[0]);
        ASSERT_TRUE(range) << c[0];
        EXPECT_EQ(RangeText(*range), c[1]) << c[0];
        EXPECT_TRUE(LooksLikeAddressRange(c[0])) << c[0];
    }
}

TEST(AddressRanges, MalformedRangesAreNetworkNames) {
    // Texts that look like ranges but are none: the Console refuses these.
    for (const char* text : {"10.20.0.0/33",      "10.20.0.256/16",        "10.20.0/16",
                             "10.20.0.0.0/16",    "010.20.0.0/16",         "10.20.0.0/016",
                             "10.20.0.0/",        "10.20.0.0 /16",         "10.20. 0.0/16",
                             "10.20.0.0/1 6",     "10.20.0.0/16/8",        "2001:db8::/129",
                             "2001:db8::5::/48",  "2001:db8:12345::/48",   "2001:db8:::/48",
                             ":2001:db8::/48",    "1:2:3:4:5:6:7:8:9/128", "1:2:3:4:5:6:7:8::/128",
                             "1:2:3:4:5:6:7/128", "::ffff:192.0.2.1/128",  "2001:db8:5:/48"}) {
        EXPECT_FALSE(ParseAddressRange(text)) << text;
        EXPECT_TRUE(LooksLikeAddressRange(text)) << text;
    }
    // Network names, and ranges without their prefix, which are names too.
    for (const char* text : {"corp.example.com", "Office 2/3", "Home", "10.20.0.0",
                             "2001:db8::", "fe80::1%3/64", ""}) {
        EXPECT_FALSE(ParseAddressRange(text)) << text;
        EXPECT_FALSE(LooksLikeAddressRange(text)) << text;
    }
}

AdapterAddresses Adapter(std::uint32_t operStatus, std::uint32_t ifType,
                         std::initializer_list<const char*> addresses) {
    AdapterAddresses adapter{ifType, operStatus, {}};
    for (const char* address : addresses) {
        adapter.unicastAddresses.push_back({Address(address), 24});
    }
    return adapter;
}

constexpr std::uint32_t Ethernet = 6;
constexpr std::uint32_t OperStatusDown = 2;

TEST(AddressRanges, MatchOnlyAdaptersThatAreUpAndNotLoopback) {
    ScriptedAdapters adapters;
    adapters.adapters = {
        Adapter(OperStatusUp, IfTypeSoftwareLoopback, {"127.0.0.1", "::1"}),
        Adapter(OperStatusDown, Ethernet, {"203.0.113.9"}),
        Adapter(OperStatusUp, Ethernet, {"fe80::1", "198.51.100.7", "2001:db8:5::7"}),
        Adapter(OperStatusUp, Ethernet, {"198.51.100.8"}),
    };
    const AdapterSnapshot snapshot = TakeAdapterSnapshot(adapters);
    const auto match = [&snapshot](const char* range) {
        const auto found = MatchingAddress(snapshot, ParseAddressRange(range).value());
        return found ? AddressText(*found) : std::string("none");
    };
    EXPECT_EQ(match("198.51.100.0/24"), "198.51.100.7");  // the first in the adapters' order
    EXPECT_EQ(match("198.51.100.8/32"), "198.51.100.8");
    EXPECT_EQ(match("0.0.0.0/0"), "198.51.100.7");
    EXPECT_EQ(match("2001:db8:5::/48"), "2001:db8:5::7");
    EXPECT_EQ(match("2001:db8:6::/48"), "none");
    EXPECT_EQ(match("203.0.113.0/24"), "none");  // the adapter is down
    EXPECT_EQ(match("127.0.0.0/8"), "none");     // loopback
    EXPECT_EQ(match("::1/128"), "none");
    EXPECT_EQ(match("198.51.101.0/24"), "none");
    // An IPv4 range holds no IPv6 address, even one whose first bytes would fit.
    EXPECT_EQ(match("32.0.0.0/8"), "none");
}

TEST(AddressRanges, AFailedLookMatchesNothing) {
    ScriptedAdapters adapters;
    adapters.adapters = {Adapter(OperStatusUp, Ethernet, {"198.51.100.7"})};
    adapters.status = AdapterListNoData;
    const AdapterSnapshot snapshot = TakeAdapterSnapshot(adapters);
    EXPECT_EQ(snapshot.status, AdapterListNoData);
    EXPECT_FALSE(MatchingAddress(snapshot, ParseAddressRange("0.0.0.0/0").value()));
}

}  // namespace
