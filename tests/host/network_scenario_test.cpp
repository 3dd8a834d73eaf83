// The scenario file format that tests write by hand for the fake and the scripted COM server.
#include <gtest/gtest.h>

#include "tests/support/fakes/network_scenario.h"

namespace {

NetworkScenario Parsed(std::string_view text) {
    std::string error;
    std::optional<NetworkScenario> scenario = ParseNetworkScenario(text, error);
    EXPECT_TRUE(scenario.has_value()) << error;
    return scenario.value_or(NetworkScenario());
}

std::string ErrorOf(std::string_view text) {
    std::string error;
    EXPECT_FALSE(ParseNetworkScenario(text, error).has_value()) << text;
    return error;
}

TEST(NetworkScenario, ReadsEveryKey) {
    const NetworkScenario scenario = Parsed(
        "# two networks\r\n"
        "fail = GetNetworks  Next\r\n"
        "\r\n"
        "network\r\n"
        "name = Home\r\n"
        "description = Home Wi-Fi\r\n"
        "connected = yes\r\n"
        "internet = no\r\n"
        "connectivity = 0x41\r\n"
        "category = 2\r\n"
        "domain = 1\r\n"
        "created = 132223104000000000\r\n"
        "connected_at = 17\r\n"
        "id = {D5A9E7C0-1111-2222-3333-444455556666}\r\n"
        "connections = 3\r\n"
        "   # indented comment\r\n"
        "fail = GetName connection.GetAdapterId\r\n"
        "network\r\n");
    EXPECT_EQ(scenario.failures.size(), 2u);
    EXPECT_TRUE(scenario.Fails("GetNetworks"));
    EXPECT_TRUE(scenario.Fails("Next"));
    ASSERT_EQ(scenario.networks.size(), 2u);

    const ScriptedNetwork& home = scenario.networks[0];
    EXPECT_EQ(home.name, u"Home");
    EXPECT_EQ(home.description, u"Home Wi-Fi");
    EXPECT_TRUE(home.connected);
    EXPECT_FALSE(home.internet);
    EXPECT_EQ(home.connectivity, 0x41u);
    EXPECT_EQ(home.category, 2u);
    EXPECT_EQ(home.domainType, 1u);
    EXPECT_EQ(home.created, 132223104000000000u);
    EXPECT_EQ(home.connectedAt, 17u);
    EXPECT_EQ(home.id,
              (Guid{0xD5A9E7C0, 0x1111, 0x2222, {0x33, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x66}}));
    EXPECT_EQ(home.ConnectionCount(), 3);
    EXPECT_EQ(home.ResultOf("GetName"), ComFail);
    EXPECT_EQ(home.ResultOf("connection.GetAdapterId"), ComFail);
    EXPECT_EQ(home.ResultOf("GetDescription"), ComOk);

    const ScriptedNetwork& empty = scenario.networks[1];
    EXPECT_EQ(empty.name, u"");
    EXPECT_FALSE(empty.connected);
    EXPECT_FALSE(empty.id.has_value());
    EXPECT_EQ(empty.ConnectionCount(), 0);
}

TEST(NetworkScenario, ValueIsEverythingAfterTheFirstEqualsAndSpace) {
    const NetworkScenario scenario = Parsed(
        "network\n"
        "name =   Lab > 5G, east = b  \n"
        "description =\n"
        "network\n"
        "name = Caf\xC3\xA9 \xF0\x9F\x93\xB6\n"
        "connected = yes\n");
    EXPECT_EQ(scenario.networks[0].name, u"  Lab > 5G, east = b  ");
    EXPECT_EQ(scenario.networks[0].description, u"");
    EXPECT_EQ(scenario.networks[1].name, u"Caf\u00E9 \U0001F4F6");
    EXPECT_EQ(scenario.networks[1].ConnectionCount(), 1);
}

TEST(NetworkScenario, NamesTheLineOfAMistake) {
    EXPECT_EQ(ErrorOf("network\nconnected = maybe\n"), "line 2: bad value for \"connected\"");
    EXPECT_EQ(ErrorOf("name = Home\n"), "line 1: \"name\" before the first network");
    EXPECT_EQ(ErrorOf("fail = GetName\n"), "line 1: unknown call \"GetName\"");
    EXPECT_EQ(ErrorOf("network\nfail = GetNetworks\n"), "line 2: unknown call \"GetNetworks\"");
    EXPECT_EQ(ErrorOf("network\nNAME = Home\n"), "line 2: unknown key \"NAME\"");
    EXPECT_EQ(ErrorOf("network\nid = {D5A9E7C0-1111-2222-3333-44445555666}\n"),
              "line 2: bad value for \"id\"");
    EXPECT_EQ(ErrorOf("network\nconnectivity = 0x4G\n"), "line 2: bad value for \"connectivity\"");
    EXPECT_EQ(ErrorOf("network\nname = \xC3\n"), "line 2: bad value for \"name\"");
    EXPECT_EQ(ErrorOf("networks\n"), "line 1: expected \"network\" or \"key = value\"");
}

}  // namespace
