#pragma once

// Scenario files and the network reports they give, shared by the tests against the fake (host)
// and against the scripted COM server (Wine): both must produce the same text.

#include <string>
#include <string_view>

inline const std::string SeparatorLine = std::string(160, '-') + "\r\n";

// A connected network with two connections, then a disconnected one.
inline constexpr std::string_view TwoNetworksScenario =
    "network\n"
    "name = Home\n"
    "description = Home Wi-Fi\n"
    "connected = yes\n"
    "internet = yes\n"
    "connectivity = 0x41\n"
    "category = 1\n"
    "domain = 2\n"
    "created = 132223104000000000\n"
    "connected_at = 132223104123456789\n"
    "connections = 2\n"
    "network\n"
    "name = Office\n"
    "description = Office LAN\n"
    "id = {0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}\n"
    "connectivity = 0\n"
    "category = 5\n"
    "domain = 7\n";

inline const std::string HomeBlock =
    "Network description: <Home Wi-Fi>\r\n"
    "Network name: <Home>\r\n"
    "Network GUID: {4C4D0000-0000-0000-0000-000000000000}\r\n"
    "Domain type: NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02\r\n"
    "Time created:   \t2020-01-01 00:00:00 (000 milliseconds) Wednesday\r\n"
    "Time connected: \t2020-01-01 00:00:12 (345 milliseconds) Wednesday\r\n"
    "Connectivity: \r\n"
    "     There is connectivity to a network, but the service cannot detect any IPv4 Network "
    "Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
    "     There is connectivity to the Internet using the IPv4 protocol. "
    "NLM_CONNECTIVITY_IPV4_INTERNET 0x40\r\n"
    "Category: The network is a private (trusted) network. NLM_NETWORK_CATEGORY_PRIVATE 0x1\r\n"
    "Internet is connected: Yes\r\n"
    "Network is connected: Yes\r\n"
    "\tAdapter info...\r\n"
    "\tNetwork adapter connected: Yes\r\n"
    "\tNetwork adapter connected to internet: Yes\r\n"
    "\tConnectivity: \r\n"
    "\t     There is connectivity to a network, but the service cannot detect any IPv4 Network "
    "Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
    "\t     There is connectivity to the Internet using the IPv4 protocol. "
    "NLM_CONNECTIVITY_IPV4_INTERNET 0x40\r\n"
    "\tConnection GUID: \t{4C4D0000-C000-0000-0000-000000000000}\r\n"
    "\tAdapter GUID:    \t{4C4D0000-A000-0000-0000-000000000000}\r\n"
    "\tDomainType: NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02\r\n"
    "\r\n"
    "\tAdapter info...\r\n"
    "\tNetwork adapter connected: Yes\r\n"
    "\tNetwork adapter connected to internet: Yes\r\n"
    "\tConnectivity: \r\n"
    "\t     There is connectivity to a network, but the service cannot detect any IPv4 Network "
    "Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
    "\t     There is connectivity to the Internet using the IPv4 protocol. "
    "NLM_CONNECTIVITY_IPV4_INTERNET 0x40\r\n"
    "\tConnection GUID: \t{4C4D0000-C001-0000-0000-000000000000}\r\n"
    "\tAdapter GUID:    \t{4C4D0000-A001-0000-0000-000000000000}\r\n"
    "\tDomainType: NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02\r\n";

inline const std::string OfficeBlock =
    "Network description: <Office LAN>\r\n"
    "Network name: <Office>\r\n"
    "Network GUID: {0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}\r\n"
    "Domain type: (Unknown NLM_DOMAIN_TYPE 7)\r\n"
    "Time created:   \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
    "Time connected: \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
    "Connectivity: \r\n"
    "     The underlying network interfaces have no connectivity to any network. "
    "NLM_CONNECTIVITY_DISCONNECTED 0x0\r\n"
    "Category: (Unknown NLM_NETWORK_CATEGORY 5)\r\n"
    "Internet is connected: No\r\n"
    "Network is connected: No\r\n";

inline const std::string TwoNetworksReport =
    "GetNetworks ok\r\n" + SeparatorLine + HomeBlock + SeparatorLine + OfficeBlock + SeparatorLine;

// Failing queries in three networks, the second of them connected but nameless, and an
// enumerator that fails at the end instead of answering S_FALSE.
inline constexpr std::string_view FailuresScenario =
    "# failures of single queries\n"
    "fail = Next\n"
    "network\n"
    "name = Lab\n"
    "description = Lab\n"
    "connected = yes\n"
    "connectivity = 0x10\n"
    "domain = 1\n"
    "fail = GetDescription GetTimeCreatedAndConnected connection.GetConnectivity "
    "connection.GetAdapterId\n"
    "\n"
    "network\n"
    "description = No name\n"
    "connected = yes\n"
    "fail = GetName\n"
    "\n"
    "network\n"
    "name = Spare\n"
    "fail = get_IsConnected GetNetworkId\n";

inline const std::string FailuresReport =
    "GetNetworks ok\r\n" + SeparatorLine +
    "INetwork METHOD Description AS STRING failed\r\n"
    "Network name: <Lab>\r\n"
    "Network GUID: {4C4D0000-0000-0000-0000-000000000000}\r\n"
    "Domain type: NLM_DOMAIN_TYPE_DOMAIN_NETWORK 0x01\r\n"
    "INetwork METHOD GetTimeCreatedAndConnected AS FILETIME failed\r\n"
    "Connectivity: \r\n"
    "     There is connectivity to the local subnet using the IPv4 protocol. "
    "NLM_CONNECTIVITY_IPV4_SUBNET 0x10\r\n"
    "Category: The network is a public (untrusted) network. NLM_NETWORK_CATEGORY_PUBLIC 0x0\r\n"
    "Internet is connected: No\r\n"
    "Network is connected: Yes\r\n"
    "\tAdapter info...\r\n"
    "\tNetwork adapter connected: Yes\r\n"
    "\tNetwork adapter connected to internet: No\r\n"
    "\tINetwork METHOD GetConnectivity AS DWORD failed\r\n"
    "\tConnection GUID: \t{4C4D0000-C000-0000-0000-000000000000}\r\n"
    "\tINetwork METHOD GetAdeptorId AS GUID failed\r\n"
    "\tDomainType: NLM_DOMAIN_TYPE_DOMAIN_NETWORK 0x01\r\n" +
    SeparatorLine +
    "Network description: <No name>\r\n"
    "INetwork METHOD GetName AS STRING failed\r\n"
    "Network GUID: {4C4D0001-0000-0000-0000-000000000000}\r\n"
    "Domain type: NLM_DOMAIN_TYPE_NON_DOMAIN_NETWORK 0x0\r\n"
    "Time created:   \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
    "Time connected: \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
    "Connectivity: \r\n"
    "     The underlying network interfaces have no connectivity to any network. "
    "NLM_CONNECTIVITY_DISCONNECTED 0x0\r\n"
    "Category: The network is a public (untrusted) network. NLM_NETWORK_CATEGORY_PUBLIC 0x0\r\n"
    "Internet is connected: No\r\n"
    "Network is connected: Yes\r\n"
    "\tAdapter info...\r\n"
    "\tNetwork adapter connected: Yes\r\n"
    "\tNetwork adapter connected to internet: No\r\n"
    "\tConnectivity: \r\n"
    "\t     The underlying network interfaces have no connectivity to any network. "
    "NLM_CONNECTIVITY_DISCONNECTED 0x0\r\n"
    "\tConnection GUID: \t{4C4D0001-C000-0000-0000-000000000000}\r\n"
    "\tAdapter GUID:    \t{4C4D0001-A000-0000-0000-000000000000}\r\n"
    "\tDomainType: NLM_DOMAIN_TYPE_NON_DOMAIN_NETWORK 0x0\r\n" +
    SeparatorLine +
    "Network description: <>\r\n"
    "Network name: <Spare>\r\n"
    "INetwork METHOD NetworkId AS GUID failed\r\n"
    "Domain type: NLM_DOMAIN_TYPE_NON_DOMAIN_NETWORK 0x0\r\n"
    "Time created:   \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
    "Time connected: \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
    "Connectivity: \r\n"
    "     The underlying network interfaces have no connectivity to any network. "
    "NLM_CONNECTIVITY_DISCONNECTED 0x0\r\n"
    "Category: The network is a public (untrusted) network. NLM_NETWORK_CATEGORY_PUBLIC 0x0\r\n"
    "Internet is connected: No\r\n"
    "INetwork METHOD IsConnected AS INTEGER failed\r\n" +
    SeparatorLine;
