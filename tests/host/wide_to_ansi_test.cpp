// WideToAnsi against the fake's multi-byte ANSI code page (UTF-8).
#include <gtest/gtest.h>

#include "common/network/wide_to_ansi.h"
#include "tests/support/fakes/scripted_network_list.h"

namespace {

TEST(WideToAnsi, NamesThatNeedMoreBytesThanUnitsConvertWhole) {
    ScriptedNetworkList networks;
    EXPECT_EQ(WideToAnsi(networks, u"Home"), "Home");
    EXPECT_EQ(WideToAnsi(networks, u"Caf\u00E9"), "Caf\xC3\xA9");
    EXPECT_EQ(WideToAnsi(networks, u"\u65E5\u672C"), "\xE6\x97\xA5\xE6\x9C\xAC");
}

TEST(WideToAnsi, SurrogatePairLeavesNoNulByte) {
    ScriptedNetworkList networks;
    const std::string ansi = WideToAnsi(networks, u"5G \U0001F4F6");
    EXPECT_EQ(ansi, "5G \xF0\x9F\x93\xB6");
    EXPECT_EQ(ansi.find('\0'), std::string::npos);
}

TEST(WideToAnsi, StopsAtTheFirstNul) {
    ScriptedNetworkList networks;
    EXPECT_EQ(WideToAnsi(networks, u"Home\0Hidden"), "Home");
    EXPECT_EQ(WideToAnsi(networks, u""), "");
}

}  // namespace
