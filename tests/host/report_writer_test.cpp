#include <gtest/gtest.h>

#include "common/network/report_writer.h"

namespace {

const Guid SampleGuid{0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};

// The lines of a whole network block whose queries all answered.
std::string AnsweredNetworkBlock(bool connected) {
    std::string report;
    WriteNetworkDescription(report, std::string("Home Wi-Fi"));
    WriteNetworkName(report, std::string("Home"));
    WriteNetworkId(report, SampleGuid);
    WriteNetworkDomainType(report, 0u);
    WriteNetworkTimes(report, NetworkTimes{0, 0});
    WriteNetworkConnectivity(report, 0x40u);
    WriteNetworkCategory(report, 1u);
    WriteNetworkInternet(report, true);
    WriteNetworkConnected(report, connected);
    return report;
}

TEST(ReportWriter, HeadLinesEndWithCrLf) {
    std::string report;
    WriteGetNetworksOk(report);
    WriteReportSeparator(report);
    EXPECT_EQ(report, "GetNetworks ok\r\n" + ReportSeparator + "\r\n");

    std::string failed;
    WriteGetNetworksFailed(failed);
    EXPECT_EQ(failed, "GetNetworks failed\r\n");

    std::string none;
    WriteNoNetworkFound(none);
    EXPECT_EQ(none, "No network found!\r\n");
}

TEST(ReportWriter, NetworkBlockOfAnsweredQueries) {
    EXPECT_EQ(AnsweredNetworkBlock(false),
              "Network description: <Home Wi-Fi>\r\n"
              "Network name: <Home>\r\n"
              "Network GUID: {12345678-9ABC-DEF0-0102-030405060708}\r\n"
              "Domain type: NLM_DOMAIN_TYPE_NON_DOMAIN_NETWORK 0x0\r\n"
              "Time created:   \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
              "Time connected: \t1601-01-01 00:00:00 (000 milliseconds) Monday\r\n"
              "Connectivity: \r\n"
              "     There is connectivity to the Internet using the IPv4 protocol. "
              "NLM_CONNECTIVITY_IPV4_INTERNET 0x40\r\n"
              "Category: The network is a private (trusted) network. "
              "NLM_NETWORK_CATEGORY_PRIVATE 0x1\r\n"
              "Internet is connected: Yes\r\n"
              "Network is connected: No\r\n");
}

TEST(ReportWriter, ConnectedLineIsFollowedDirectlyByCrLf) {
    const std::string block = AnsweredNetworkBlock(true);
    EXPECT_NE(block.find("Network is connected: Yes\r\n"), std::string::npos);
}

TEST(ReportWriter, NetworkBlockFailureLinesOnePerQuery) {
    std::string report;
    WriteNetworkDescription(report, std::nullopt);
    WriteNetworkName(report, std::nullopt);
    WriteNetworkId(report, std::nullopt);
    WriteNetworkDomainType(report, std::nullopt);
    WriteNetworkTimes(report, std::nullopt);
    WriteNetworkConnectivity(report, std::nullopt);
    WriteNetworkCategory(report, std::nullopt);
    WriteNetworkInternet(report, std::nullopt);
    WriteNetworkConnected(report, std::nullopt);
    WriteNetworkConnectionsFailed(report);
    EXPECT_EQ(report,
              "INetwork METHOD Description AS STRING failed\r\n"
              "INetwork METHOD GetName AS STRING failed\r\n"
              "INetwork METHOD NetworkId AS GUID failed\r\n"
              "DomainType METHOD NetworkId AS DWORD failed\r\n"
              "INetwork METHOD GetTimeCreatedAndConnected AS FILETIME failed\r\n"
              "INetwork METHOD GetConnectivity AS DWORD failed\r\n"
              "INetwork METHOD GetCategory AS DWORD failed\r\n"
              "INetwork METHOD IsConnectedToInternet AS INTEGER failed\r\n"
              "INetwork METHOD IsConnected AS INTEGER failed\r\n"
              "\tIEnumNetworkConnections METHOD GetNetworkConnections AS "
              "IEnumNetworkConnections failed\r\n");
}

TEST(ReportWriter, NamesKeepSpacesAndCommas) {
    std::string report;
    WriteNetworkName(report, std::string(" Cafe, Guest "));
    EXPECT_EQ(report, "Network name: < Cafe, Guest >\r\n");
}

TEST(ReportWriter, TwoAdapterBlocksSeparatedByOneEmptyLine) {
    std::string report;
    for (bool first : {true, false}) {
        WriteAdapterHeading(report, first);
        WriteAdapterConnected(report, true);
        WriteAdapterInternet(report, false);
        WriteAdapterConnectivity(report, 0x11u);
        WriteAdapterConnectionId(report, SampleGuid);
        WriteAdapterId(report, Guid{});
        WriteAdapterDomainType(report, 2u);
    }
    const std::string block =
        "\tAdapter info...\r\n"
        "\tNetwork adapter connected: Yes\r\n"
        "\tNetwork adapter connected to internet: No\r\n"
        "\tConnectivity: \r\n"
        "\t     There is connectivity to a network, but the service cannot detect any IPv4 "
        "Network Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
        "\t     There is connectivity to the local subnet using the IPv4 protocol. "
        "NLM_CONNECTIVITY_IPV4_SUBNET 0x10\r\n"
        "\tConnection GUID: \t{12345678-9ABC-DEF0-0102-030405060708}\r\n"
        "\tAdapter GUID:    \t{00000000-0000-0000-0000-000000000000}\r\n"
        "\tDomainType: NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02\r\n";
    EXPECT_EQ(report, block + "\r\n" + block);
}

TEST(ReportWriter, AdapterFailureLinesAreIndented) {
    std::string report;
    WriteAdapterConnected(report, std::nullopt);
    WriteAdapterInternet(report, std::nullopt);
    WriteAdapterConnectivity(report, std::nullopt);
    WriteAdapterConnectionId(report, std::nullopt);
    WriteAdapterId(report, std::nullopt);
    WriteAdapterDomainType(report, std::nullopt);
    EXPECT_EQ(report,
              "\tINetwork METHOD IsConnected AS INTEGER failed\r\n"
              "\tINetwork METHOD IsConnectedToInternet AS INTEGER failed\r\n"
              "\tINetwork METHOD GetConnectivity AS DWORD failed\r\n"
              "\tINetwork METHOD GetConnection AS GUID failed\r\n"
              "\tINetwork METHOD GetAdeptorId AS GUID failed\r\n"
              "\tDomainType METHOD NetworkId AS DWORD failed\r\n");
}

}  // namespace
