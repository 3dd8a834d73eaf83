// The tray program's minute-by-minute watch over the connected networks.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/fakes/scenario_text.h"
#include "tests/support/fakes/scripted_network_list.h"
#include "tray/network_watch.h"

namespace {

std::string NetworkText(const std::string& name, bool connected) {
    return "network\nname = " + name + "\nconnected = " + (connected ? "yes" : "no") + "\n";
}

void Script(ScriptedNetworkList& networks, const std::string& text) {
    networks.Scenario() = ScenarioFromText(text);
}

TEST(NetworkWatch, NothingConnectedIsNoChangeTickAfterTick) {
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("Office", false)));
    NetworkWatch watch;
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_FALSE(watch.ConnectedNetworksChanged(networks)) << "tick " << tick;
    }
    EXPECT_EQ(watch.LastSeen(), "");
}

TEST(NetworkWatch, FirstTickWithAConnectedNetworkIsAChange) {
    // The last-seen list starts empty, not with the networks connected at start-up.
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Home", true) + NetworkText("Office", false)));
    NetworkWatch watch;
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks));
    EXPECT_EQ(watch.LastSeen(), "Home");
}

TEST(NetworkWatch, ComparesWholeListsExactly) {
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("Home", true)));
    NetworkWatch watch;
    ASSERT_TRUE(watch.ConnectedNetworksChanged(networks));
    EXPECT_FALSE(watch.ConnectedNetworksChanged(networks)) << "the same list again";

    Script(networks, NetworkText("home", true));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks)) << "letter case counts";
    EXPECT_EQ(watch.LastSeen(), "home");

    Script(networks, NetworkText("home", true) + NetworkText("Lab", true));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks)) << "a second network";
    EXPECT_EQ(watch.LastSeen(), "home, Lab");

    Script(networks, NetworkText("Lab", true) + NetworkText("home", true));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks)) << "another order";
    EXPECT_EQ(watch.LastSeen(), "Lab, home");

    Script(networks, NetworkText("Lab", false) + NetworkText("home", false));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks)) << "every network gone";
    EXPECT_EQ(watch.LastSeen(), "");
    EXPECT_FALSE(watch.ConnectedNetworksChanged(networks));
}

TEST(NetworkWatch, AFailedWalkReadsAsNothingConnected) {
    ScriptedNetworkList networks(
        ScenarioFromText("fail = CoCreateInstance\n" + NetworkText("Home", true)));
    NetworkWatch watch;
    EXPECT_FALSE(watch.ConnectedNetworksChanged(networks));
    EXPECT_EQ(networks.LiveObjects(), 0);
}

}  // namespace
