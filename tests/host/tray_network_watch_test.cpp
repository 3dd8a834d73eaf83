// The tray program's minute-by-minute watch over the connected networks.
#include <gtest/gtest.h>

#include <string>

#include "common/settings/applied_networks.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/scripted_adapters.h"
#include "tests/support/fakes/scenario_text.h"
#include "tests/support/fakes/scripted_network_list.h"
#include "tests/support/fakes/virtual_clock.h"
#include "tray/network_event_burst.h"
#include "tray/network_watch.h"
#include "tray/tray_start.h"

namespace {

ScriptedAdapters none;

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
        EXPECT_FALSE(watch.ConnectedNetworksChanged(networks, none, {})) << "tick " << tick;
    }
    EXPECT_EQ(watch.LastSeen(), "");
}

TEST(NetworkWatch, FirstTickWithAConnectedNetworkIsAChange) {
    // The last-seen list starts empty, not with the networks connected at start-up.
    ScriptedNetworkList networks(
        ScenarioFromText(NetworkText("Home", true) + NetworkText("Office", false)));
    NetworkWatch watch;
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks, none, {}));
    EXPECT_EQ(watch.LastSeen(), "Home");
}

TEST(NetworkWatch, ComparesWholeListsExactly) {
    ScriptedNetworkList networks(ScenarioFromText(NetworkText("Home", true)));
    NetworkWatch watch;
    ASSERT_TRUE(watch.ConnectedNetworksChanged(networks, none, {}));
    EXPECT_FALSE(watch.ConnectedNetworksChanged(networks, none, {})) << "the same list again";

    Script(networks, NetworkText("home", true));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks, none, {})) << "letter case counts";
    EXPECT_EQ(watch.LastSeen(), "home");

    Script(networks, NetworkText("home", true) + NetworkText("Lab", true));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks, none, {})) << "a second network";
    EXPECT_EQ(watch.LastSeen(), "home, Lab");

    Script(networks, NetworkText("Lab", true) + NetworkText("home", true));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks, none, {})) << "another order";
    EXPECT_EQ(watch.LastSeen(), "Lab, home");

    Script(networks, NetworkText("Lab", false) + NetworkText("home", false));
    EXPECT_TRUE(watch.ConnectedNetworksChanged(networks, none, {})) << "every network gone";
    EXPECT_EQ(watch.LastSeen(), "");
    EXPECT_FALSE(watch.ConnectedNetworksChanged(networks, none, {}));
}

// A hand-over from the Manager or the Console watches from the networks the Manager applied: the
// same networks start nothing, a change made while the Manager ran is seen at the first look.
TEST(NetworkWatch, HandOverWatchesFromTheAppliedNetworks) {
    InMemoryRegistry registry;
    WriteAppliedNetworks(registry, " Home ");
    ScriptedNetworkList networks(ScenarioFromText(NetworkText(" Home ", true)));
    NetworkWatch handedOver = TrayStartFromCommandLine("/HandOver").Watch(registry);
    EXPECT_EQ(handedOver.LastSeen(), " Home ");
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_FALSE(handedOver.ConnectedNetworksChanged(networks, none, {})) << "tick " << tick;
    }
    Script(networks, NetworkText("Office", true));
    EXPECT_TRUE(handedOver.ConnectedNetworksChanged(networks, none, {}));

    EXPECT_EQ(TrayStartFromCommandLine("").Watch(registry).LastSeen(), "") << "a plain start";
    EXPECT_EQ(TrayStartFromCommandLine("/handovers").Watch(registry).LastSeen(), "");
    EXPECT_EQ(TrayStartFromCommandLine(" x  /handover").SingleInstancePatience(), 5000u);
    EXPECT_EQ(TrayStartFromCommandLine("").SingleInstancePatience(), 0u);
}

// Events every 100 ms without end: the watch is still due 5 s after the first. A lone event, or
// the first after a watch, waits 500 ms.
TEST(NetworkEventBurst, AStreamOfEventsPutsTheWatchOffFiveSecondsAtMost) {
    VirtualClock clock;
    NetworkEventBurst burst;
    std::uint64_t due = 0;
    int watches = 0;
    for (int event = 0; event < 200; ++event) {
        if (event > 0 && clock.Now() >= due) {
            ++watches;
            EXPECT_LE(clock.Now(), 5000u * watches) << "watch " << watches;
            burst.End();
        }
        due = clock.Now() + burst.DelayAfterEvent(clock.Now());
        clock.Sleep(100);
    }
    EXPECT_EQ(watches, 3);

    NetworkEventBurst lone;
    EXPECT_EQ(lone.DelayAfterEvent(7000), 500u);
    EXPECT_EQ(lone.DelayAfterEvent(11700), 300u);
    EXPECT_EQ(lone.DelayAfterEvent(12500), 0u);
    lone.End();
    EXPECT_EQ(lone.DelayAfterEvent(12600), 500u);
}

TEST(NetworkWatch, AFailedWalkReadsAsNothingConnected) {
    ScriptedNetworkList networks(
        ScenarioFromText("fail = CoCreateInstance\n" + NetworkText("Home", true)));
    NetworkWatch watch;
    EXPECT_FALSE(watch.ConnectedNetworksChanged(networks, none, {}));
    EXPECT_EQ(networks.LiveObjects(), 0);
}

}  // namespace
