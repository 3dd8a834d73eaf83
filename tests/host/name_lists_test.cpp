// Name lists and the connection test, read out of reports of scripted networks.
#include <gtest/gtest.h>

#include <string>

#include "common/network/name_lists.h"
#include "tests/support/fakes/scenario_text.h"
#include "tests/support/fakes/scripted_network_list.h"
#include "tests/support/network_samples.h"

namespace {

// A network line by line: name, then "yes" when it is connected.
std::string NetworkText(const std::string& name, bool connected) {
    return "network\nname = " + name + "\nconnected = " + (connected ? "yes" : "no") + "\n";
}

TEST(NameLists, ConnectedAndAllNetworksInEnumerationOrder) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Attic", true) + NetworkText("Garage", false) +
                         NetworkText("Home Wi-Fi", true) + NetworkText("Office", false)));
    EXPECT_EQ(ConnectedNetworkList(networks), "Attic, Home Wi-Fi");
    EXPECT_EQ(AllNetworkList(networks), "Attic, Garage, Home Wi-Fi, Office");
}

TEST(NameLists, NoNetworkConnected) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Garage", false) + NetworkText("Office", false)));
    EXPECT_EQ(ConnectedNetworkList(networks), "");
    EXPECT_EQ(AllNetworkList(networks), "Garage, Office");
}

TEST(NameLists, EveryCallWalksAfresh) {
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("Home", true)));
    EXPECT_EQ(ConnectedNetworkList(networks), "Home");
    networks.Scenario().networks[0].connected = false;
    EXPECT_EQ(ConnectedNetworkList(networks), "");
    EXPECT_EQ(networks.LiveObjects(), 0);
    EXPECT_EQ(networks.ComInitializations(), 0);
}

TEST(NameLists, NameIsCutAtItsFirstClosingBracket) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Lab>5G", true) + NetworkText("Den", true)));
    EXPECT_EQ(ConnectedNetworkList(networks), "Lab, Den");
    EXPECT_EQ(AllNetworkList(networks), "Lab, Den");
}

TEST(NameLists, EmptyNameEndsTheList) {
    ScriptedNetworkList networks(ScenarioFromText(
        NetworkText("Attic", true) + NetworkText("", true) + NetworkText("Den", true)));
    EXPECT_EQ(ConnectedNetworkList(networks), "Attic");
    EXPECT_EQ(AllNetworkList(networks), "Attic");

    // A disconnected nameless network ends only the list of all networks.
    networks.Scenario().networks[1].connected = false;
    EXPECT_EQ(ConnectedNetworkList(networks), "Attic, Den");
    EXPECT_EQ(AllNetworkList(networks), "Attic");
}

TEST(NameLists, CommaInANameIsKeptAsIs) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Cafe, Bar", true) + NetworkText("Home", true)));
    EXPECT_EQ(ConnectedNetworkList(networks), "Cafe, Bar, Home");
}

TEST(NameLists, NamesKeepTheirSpaces) {
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("  Spaced  Out ", true)));
    EXPECT_EQ(ConnectedNetworkList(networks), "  Spaced  Out ");
}

TEST(NameLists, ConnectedNetworkWithoutNameIsPassedOver) {
    ScriptedNetworkList networks(ScenarioFromText(
        NetworkText("Attic", true) + NetworkText("Hidden", true) + NetworkText("Den", true)));
    networks.Scenario().networks[1].failures["GetName"] = ComFail;
    EXPECT_EQ(ConnectedNetworkList(networks), "Attic, Den");
    EXPECT_EQ(AllNetworkList(networks), "Attic, Den");

    // Alone it does not make the list look non-empty.
    networks.Scenario().networks.erase(networks.Scenario().networks.begin());
    networks.Scenario().networks.pop_back();
    EXPECT_EQ(ConnectedNetworkList(networks), "");
    EXPECT_FALSE(IsNetworkConnected(networks, "Hidden"));
}

TEST(NameLists, NetworkWhoseConnectionQueryFailedIsNotConnected) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Attic", true) + NetworkText("Den", true)));
    networks.Scenario().networks[0].failures["get_IsConnected"] = ComFail;
    EXPECT_EQ(ConnectedNetworkList(networks), "Den");
    EXPECT_EQ(AllNetworkList(networks), "Attic, Den");
}

TEST(NameLists, FailedQueriesOfSingleNetworks) {
    ScriptedNetworkList networks(ScenarioFromText(FailuresScenario));
    EXPECT_EQ(ConnectedNetworkList(networks), "Lab");
    EXPECT_EQ(AllNetworkList(networks), "Lab, Spare");
}

TEST(NameLists, WalkFailures) {
    const std::string twoNetworks = NetworkText("Attic", true) + NetworkText("Den", true);
    for (const char* failure :
         {"CoCreateInstance", "GetNetworks", "NoEnumerator", "get__NewEnum"}) {
        ScriptedNetworkList networks(ScenarioFromText(twoNetworks));
        networks.Scenario().failures[failure] = ComFail;
        EXPECT_EQ(ConnectedNetworkList(networks), "") << failure;
        EXPECT_EQ(AllNetworkList(networks), "") << failure;
    }
    ScriptedNetworkList networks(ScenarioFromText("fail = Next\n" + twoNetworks));
    EXPECT_EQ(ConnectedNetworkList(networks), "Attic, Den");
}

TEST(IsNetworkConnected, IgnoresLetterCaseAndOuterSpaces) {
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("Home Wi-Fi", true)));
    EXPECT_TRUE(IsNetworkConnected(networks, "Home Wi-Fi"));
    EXPECT_TRUE(IsNetworkConnected(networks, "home wi-fi"));
    EXPECT_TRUE(IsNetworkConnected(networks, "  HOME WI-FI   "));
    // Only spaces are trimmed: a tab is part of the name.
    EXPECT_FALSE(IsNetworkConnected(networks, "\tHome Wi-Fi"));
    EXPECT_FALSE(IsNetworkConnected(networks, "Office"));
}

TEST(IsNetworkConnected, UpperCasesTheSystemsWay) {
    // "café" against "CAFÉ" in the fake's code page; ASCII-only upper-casing would miss it.
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("CAF\xC3\x89", true)));
    EXPECT_TRUE(IsNetworkConnected(networks, "caf\xC3\xA9"));
}

TEST(IsNetworkConnected, MatchesAnywhereInsideTheList) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Home 2", true) + NetworkText("Office", true)));
    EXPECT_TRUE(IsNetworkConnected(networks, "Home"));
    EXPECT_TRUE(IsNetworkConnected(networks, "Home 2, Office"));
    EXPECT_TRUE(IsNetworkConnected(networks, "2, Off"));
    EXPECT_FALSE(IsNetworkConnected(networks, "Office, Home 2"));
    EXPECT_FALSE(IsNetworkConnected(networks, "Home 3"));
}

TEST(IsNetworkConnected, OnlyConnectedNetworksCount) {
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Garage", false) + NetworkText("Home", true)));
    EXPECT_TRUE(IsNetworkConnected(networks, "Home"));
    EXPECT_FALSE(IsNetworkConnected(networks, "Garage"));
}

TEST(IsNetworkConnected, EmptyNameAlwaysMatches) {
    ScriptedNetworkList none;
    EXPECT_TRUE(IsNetworkConnected(none, ""));
    EXPECT_TRUE(IsNetworkConnected(none, "   "));
    EXPECT_FALSE(IsNetworkConnected(none, "Home"));

    ScriptedNetworkList some(ScenarioFromText(NetworkText("Home", true)));
    EXPECT_TRUE(IsNetworkConnected(some, ""));
}

}  // namespace
