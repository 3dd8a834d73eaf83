// The readers that take names out of a report, on report texts written by hand.
#include <gtest/gtest.h>

#include <string>

#include "common/network/report_readers.h"

namespace {

const std::string Separator = std::string(160, '-') + "\r\n";

std::string Block(const std::string& name, bool connected) {
    return "Network description: <d>\r\nNetwork name: <" + name +
           ">\r\nNetwork is connected: " + (connected ? "Yes" : "No") + "\r\n";
}

TEST(NextConnectedNetworkName, RestStartsAfterTheConnectedLine) {
    const std::string report = "GetNetworks ok\r\n" + Separator + Block("A", false) + Separator +
                               Block("B", true) + "\tAdapter info...\r\n" + Separator;
    std::string_view rest;
    EXPECT_EQ(NextConnectedNetworkName(report, rest), "B");
    EXPECT_EQ(rest, "\tAdapter info...\r\n" + Separator);

    EXPECT_EQ(NextConnectedNetworkName(rest, rest), "");
    EXPECT_TRUE(rest.empty());
}

TEST(NextConnectedNetworkName, TakesTheNameFromTheConnectedBlockOnly) {
    // The name line of an earlier, disconnected block is not the connected network's name.
    const std::string namelessConnected =
        "Network description: <d>\r\nINetwork METHOD GetName AS STRING failed\r\n"
        "Network is connected: Yes\r\n";
    const std::string report = Separator + Block("Early", false) + Separator + namelessConnected +
                               Separator + Block("Late", true) + Separator;
    std::string_view rest;
    EXPECT_EQ(NextConnectedNetworkName(report, rest), "Late");
    EXPECT_EQ(rest, Separator);
}

TEST(NextConnectedNetworkName, TextWithoutSeparatorIsOneBlock) {
    std::string_view rest;
    EXPECT_EQ(NextConnectedNetworkName(Block("Solo", true), rest), "Solo");
    EXPECT_TRUE(rest.empty());
}

TEST(ReportReaders, LabelsCountOnlyAtTheStartOfALine) {
    const std::string report = Separator + Block("x>Network is connected: Yes", false) + Separator +
                               Block("Network is connected: Yes", true) + Separator +
                               Block("A>Network name: <B", true) + Separator;
    std::string_view rest;
    EXPECT_EQ(NextConnectedNetworkName(report, rest), "Network is connected: Yes");
    EXPECT_EQ(NextConnectedNetworkName(rest, rest), "A");
    EXPECT_EQ(NextConnectedNetworkName(rest, rest), "");

    EXPECT_EQ(NextNetworkName(report, rest), "x");
    EXPECT_EQ(rest.substr(0, 22), "Network is connected: ");
    EXPECT_EQ(NextNetworkName(rest, rest), "Network is connected: Yes");
    EXPECT_EQ(NextNetworkName(rest, rest), "A");
    EXPECT_EQ(NextNetworkName(rest, rest), "");
    EXPECT_TRUE(rest.empty());

    const std::string described =
        "Network description: <see Network name: <Fake>\r\nNetwork name: <Real>\r\n"
        "Network is connected: Yes\r\n";
    EXPECT_EQ(NextConnectedNetworkName(described, rest), "Real");
}

TEST(NextNetworkName, UnclosedNameRunsToTheEnd) {
    std::string_view rest;
    EXPECT_EQ(NextNetworkName("Network name: <Open end", rest), "Open end");
    EXPECT_TRUE(rest.empty());
}

}  // namespace
