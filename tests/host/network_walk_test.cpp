// The walk over the Network List Manager: the report it writes, the calls it makes and what it
// releases, against the scripted fake.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/network/network_report.h"
#include "tests/support/fakes/scenario_text.h"
#include "tests/support/fakes/scripted_network_list.h"
#include "tests/support/network_samples.h"

namespace {

// Replaces every occurrence of from by to.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string ReportOf(std::string_view scenarioText) {
    ScriptedNetworkList networks(ScenarioFromText(scenarioText));
    return BuildNetworkReport(networks);
}

// Builds the report and checks that the walk gave back everything it obtained.
std::string CleanReportOf(ScriptedNetworkList& networks) {
    std::string report = BuildNetworkReport(networks);
    EXPECT_EQ(networks.LiveObjects(), 0) << "objects not released";
    EXPECT_EQ(networks.ComInitializations(), 0) << "COM left initialised";
    return report;
}

TEST(NetworkWalk, WritesEveryNetworkAndConnection) {
    ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
    EXPECT_EQ(CleanReportOf(networks), TwoNetworksReport);
    EXPECT_EQ(networks.GetNetworksFlags(), NetworkEnumAll);
}

TEST(NetworkWalk, FailuresOfSingleQueries) {
    ScriptedNetworkList networks(ScenarioFromText(FailuresScenario));
    EXPECT_EQ(CleanReportOf(networks), FailuresReport);
}

TEST(NetworkWalk, MakesTheCallsInOrderAndReleasesEachObjectAfterUse) {
    ScriptedNetworkList networks(
        ScenarioFromText("network\nname = A\nconnected = yes\nnetwork\nname = B\n"));
    CleanReportOf(networks);
    const std::vector<std::string> networkQueries = {"INetwork.GetDescription",
                                                     "INetwork.GetName",
                                                     "INetwork.GetNetworkId",
                                                     "INetwork.GetDomainType",
                                                     "INetwork.GetTimeCreatedAndConnected",
                                                     "INetwork.GetConnectivity",
                                                     "INetwork.GetCategory",
                                                     "INetwork.get_IsConnectedToInternet",
                                                     "INetwork.get_IsConnected"};
    std::vector<std::string> expected = {"CoInitialize", "CoCreateInstance",
                                         "INetworkListManager.GetNetworks",
                                         "IEnumNetworks.get__NewEnum", "IEnumNetworks.Next"};
    expected.insert(expected.end(), networkQueries.begin(), networkQueries.end());
    expected.insert(
        expected.end(),
        {"INetwork.GetNetworkConnections", "IEnumNetworkConnections.Next",
         "INetworkConnection.get_IsConnected", "INetworkConnection.get_IsConnectedToInternet",
         "INetworkConnection.GetConnectivity", "INetworkConnection.GetConnectionId",
         "INetworkConnection.GetAdapterId", "INetworkConnection.GetDomainType",
         "INetworkConnection.Release", "IEnumNetworkConnections.Next",
         "IEnumNetworkConnections.Release", "INetwork.Release", "IEnumNetworks.Next"});
    expected.insert(expected.end(), networkQueries.begin(), networkQueries.end());
    expected.insert(expected.end(),
                    {"INetwork.Release", "IEnumNetworks.Next", "IEnumNetworks.Release",
                     "INetworkListManager.Release", "CoUninitialize"});
    EXPECT_EQ(networks.Calls(), expected);
}

TEST(NetworkWalk, HeadLineCases) {
    struct Case {
        const char* failure;
        std::string report;
    };
    const Case cases[] = {
        {"CoCreateInstance", ""},
        {"GetNetworks", "No network found!\r\n"},
        {"NoEnumerator", "GetNetworks failed\r\n"},
        {"get__NewEnum", "GetNetworks ok\r\n"},
    };
    for (const Case& c : cases) {
        ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
        networks.Scenario().failures[c.failure] = ComFail;
        EXPECT_EQ(CleanReportOf(networks), c.report) << c.failure;
    }
}

TEST(NetworkWalk, NoNetworkGivesTheHeadLineAndOneSeparator) {
    ScriptedNetworkList networks;
    EXPECT_EQ(CleanReportOf(networks), "GetNetworks ok\r\n" + SeparatorLine);
}

TEST(NetworkWalk, FailingNextEndsTheReportAfterItsSeparator) {
    ScriptedNetworkList networks(
        ScenarioFromText(std::string("fail = Next\n") + std::string(TwoNetworksScenario)));
    EXPECT_EQ(CleanReportOf(networks), TwoNetworksReport);

    // A failure in the middle of the list ends it there.
    networks.Scenario().networks.resize(1);
    EXPECT_EQ(CleanReportOf(networks),
              "GetNetworks ok\r\n" + SeparatorLine + HomeBlock + SeparatorLine);
}

// Every failed query leaves its one failure line in place of its success lines; the rest of the
// report is written as before.
TEST(NetworkWalk, EachFailedQueryWritesItsFailureLine) {
    const std::string timeLines =
        "Time created:   \t2020-01-01 00:00:00 (000 milliseconds) Wednesday\r\n"
        "Time connected: \t2020-01-01 00:00:12 (345 milliseconds) Wednesday\r\n";
    const std::string connectivityLines =
        "Connectivity: \r\n"
        "     There is connectivity to a network, but the service cannot detect any IPv4 Network "
        "Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
        "     There is connectivity to the Internet using the IPv4 protocol. "
        "NLM_CONNECTIVITY_IPV4_INTERNET 0x40\r\n";
    const std::string adapterConnectivityLines =
        "\tConnectivity: \r\n"
        "\t     There is connectivity to a network, but the service cannot detect any IPv4 "
        "Network Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
        "\t     There is connectivity to the Internet using the IPv4 protocol. "
        "NLM_CONNECTIVITY_IPV4_INTERNET 0x40\r\n";
    struct Row {
        const char* query;
        std::vector<std::string> successes;  // the lines the failure replaces, wherever they are
        const char* failure;
    };
    const Row rows[] = {
        {"GetDescription",
         {"Network description: <Home Wi-Fi>\r\n"},
         "INetwork METHOD Description AS STRING failed\r\n"},
        {"GetName", {"Network name: <Home>\r\n"}, "INetwork METHOD GetName AS STRING failed\r\n"},
        {"GetNetworkId",
         {"Network GUID: {4C4D0000-0000-0000-0000-000000000000}\r\n"},
         "INetwork METHOD NetworkId AS GUID failed\r\n"},
        {"GetDomainType",
         {"Domain type: NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02\r\n"},
         "DomainType METHOD NetworkId AS DWORD failed\r\n"},
        {"GetTimeCreatedAndConnected",
         {timeLines},
         "INetwork METHOD GetTimeCreatedAndConnected AS FILETIME failed\r\n"},
        {"GetConnectivity",
         {connectivityLines},
         "INetwork METHOD GetConnectivity AS DWORD failed\r\n"},
        {"GetCategory",
         {"Category: The network is a private (trusted) network. NLM_NETWORK_CATEGORY_PRIVATE "
          "0x1\r\n"},
         "INetwork METHOD GetCategory AS DWORD failed\r\n"},
        {"get_IsConnectedToInternet",
         {"Internet is connected: Yes\r\n"},
         "INetwork METHOD IsConnectedToInternet AS INTEGER failed\r\n"},
        {"connection.get_IsConnected",
         {"\tNetwork adapter connected: Yes\r\n"},
         "\tINetwork METHOD IsConnected AS INTEGER failed\r\n"},
        {"connection.get_IsConnectedToInternet",
         {"\tNetwork adapter connected to internet: Yes\r\n"},
         "\tINetwork METHOD IsConnectedToInternet AS INTEGER failed\r\n"},
        {"connection.GetConnectivity",
         {adapterConnectivityLines},
         "\tINetwork METHOD GetConnectivity AS DWORD failed\r\n"},
        {"connection.GetConnectionId",
         {"\tConnection GUID: \t{4C4D0000-C000-0000-0000-000000000000}\r\n",
          "\tConnection GUID: \t{4C4D0000-C001-0000-0000-000000000000}\r\n"},
         "\tINetwork METHOD GetConnection AS GUID failed\r\n"},
        {"connection.GetAdapterId",
         {"\tAdapter GUID:    \t{4C4D0000-A000-0000-0000-000000000000}\r\n",
          "\tAdapter GUID:    \t{4C4D0000-A001-0000-0000-000000000000}\r\n"},
         "\tINetwork METHOD GetAdeptorId AS GUID failed\r\n"},
        {"connection.GetDomainType",
         {"\tDomainType: NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02\r\n"},
         "\tDomainType METHOD NetworkId AS DWORD failed\r\n"},
    };
    for (const Row& row : rows) {
        ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
        networks.Scenario().networks[0].failures[row.query] = ComFail;
        std::string expected = TwoNetworksReport;
        for (const std::string& success : row.successes) {
            expected = Replaced(expected, success, row.failure);
        }
        ASSERT_NE(expected, TwoNetworksReport) << row.query;
        EXPECT_EQ(CleanReportOf(networks), expected) << row.query;
    }
}

TEST(NetworkWalk, FailedConnectionQueryMeansNoAdapterBlock) {
    ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
    networks.Scenario().networks[0].failures["get_IsConnected"] = ComFail;
    const std::string report = CleanReportOf(networks);
    const std::string expectedHome =
        HomeBlock.substr(0, HomeBlock.find("Network is connected: Yes")) +
        "INetwork METHOD IsConnected AS INTEGER failed\r\n";
    EXPECT_EQ(report, "GetNetworks ok\r\n" + SeparatorLine + expectedHome + SeparatorLine +
                          OfficeBlock + SeparatorLine);
}

TEST(NetworkWalk, FailedConnectionEnumerationWritesOneLineAndGoesOn) {
    ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
    networks.Scenario().networks[0].failures["GetNetworkConnections"] = ComFail;
    const std::string expectedHome =
        HomeBlock.substr(0, HomeBlock.find("\tAdapter info...")) +
        "\tIEnumNetworkConnections METHOD GetNetworkConnections AS IEnumNetworkConnections "
        "failed\r\n";
    EXPECT_EQ(CleanReportOf(networks), "GetNetworks ok\r\n" + SeparatorLine + expectedHome +
                                           SeparatorLine + OfficeBlock + SeparatorLine);
}

TEST(NetworkWalk, OnlyOkCountsAsAnAnswer) {
    ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
    networks.Scenario().networks[1].failures["GetName"] = ComFalse;
    networks.Scenario().networks[1].failures["GetCategory"] = ComNotImpl;
    const std::string report = CleanReportOf(networks);
    EXPECT_EQ(report.find("Network name: <Office>"), std::string::npos);
    EXPECT_NE(report.find("INetwork METHOD GetName AS STRING failed\r\n"), std::string::npos);
    EXPECT_NE(report.find("INetwork METHOD GetCategory AS DWORD failed\r\n"), std::string::npos);

    // S_FALSE from GetNetworks is no success either.
    networks.Scenario().failures["GetNetworks"] = ComFalse;
    EXPECT_EQ(CleanReportOf(networks), "No network found!\r\n");
}

TEST(NetworkWalk, ConnectedNetworkWithoutConnectionsHasNoAdapterBlock) {
    const std::string report = ReportOf("network\nname = Bare\nconnected = yes\nconnections = 0\n");
    EXPECT_NE(report.find("Network is connected: Yes\r\n" + SeparatorLine), std::string::npos);
    EXPECT_EQ(report.find("Adapter info"), std::string::npos);
}

TEST(NetworkWalk, ComIsInitialisedOncePerWalkAndBalanced) {
    ScriptedNetworkList networks(ScenarioFromText(TwoNetworksScenario));
    for (ComResult init : {ComOk, ComFalse}) {
        networks.SetCoInitializeResult(init);
        networks.ClearCalls();
        CleanReportOf(networks);
        EXPECT_EQ(networks.Calls().front(), "CoInitialize");
        EXPECT_EQ(networks.Calls().back(), "CoUninitialize");
        EXPECT_EQ(std::count(networks.Calls().begin(), networks.Calls().end(), "CoInitialize"), 1);
    }

    // A thread already in another apartment keeps its COM: no CoUninitialize on its behalf, and
    // the walk still asks the Network List Manager.
    constexpr ComResult ChangedMode = -2147417850;  // RPC_E_CHANGED_MODE
    networks.SetCoInitializeResult(ChangedMode);
    networks.ClearCalls();
    EXPECT_EQ(BuildNetworkReport(networks), TwoNetworksReport);
    EXPECT_EQ(std::count(networks.Calls().begin(), networks.Calls().end(), "CoUninitialize"), 0);
    EXPECT_EQ(networks.LiveObjects(), 0);
}

TEST(NetworkWalk, NamesConvertWholeIntoAMultiByteCodePage) {
    ScriptedNetworkList networks;
    ScriptedNetwork network;
    network.name = u"Café \U0001F4F6 Ünter";
    network.description = u"日本語";
    networks.Scenario().networks.push_back(network);
    const std::string report = CleanReportOf(networks);
    EXPECT_NE(report.find("Network name: <Caf\xC3\xA9 \xF0\x9F\x93\xB6 \xC3\x9Cnter>\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("Network description: <\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E>\r\n"),
              std::string::npos);
    EXPECT_EQ(report.find('\0'), std::string::npos);
}

}  // namespace
