#include <gtest/gtest.h>

#include "common/network/report_text.h"

namespace {

TEST(ReportSeparator, IsOneHundredSixtyHyphens) {
    EXPECT_EQ(ReportSeparator.size(), 160u);
    EXPECT_EQ(ReportSeparator.find_first_not_of('-'), std::string::npos);
}

TEST(DomainTypeText, KnownAndUnknownValues) {
    EXPECT_EQ(DomainTypeText(0), "NLM_DOMAIN_TYPE_NON_DOMAIN_NETWORK 0x0");
    EXPECT_EQ(DomainTypeText(1), "NLM_DOMAIN_TYPE_DOMAIN_NETWORK 0x01");
    EXPECT_EQ(DomainTypeText(2), "NLM_DOMAIN_TYPE_DOMAIN_AUTHENTICATED 0x02");
    EXPECT_EQ(DomainTypeText(7), "(Unknown NLM_DOMAIN_TYPE 7)");
    EXPECT_EQ(DomainTypeText(0xFFFFFFFFu), "(Unknown NLM_DOMAIN_TYPE 4294967295)");
}

TEST(CategoryText, KnownAndUnknownValues) {
    EXPECT_EQ(CategoryText(0),
              "The network is a public (untrusted) network. NLM_NETWORK_CATEGORY_PUBLIC 0x0");
    EXPECT_EQ(CategoryText(1),
              "The network is a private (trusted) network. NLM_NETWORK_CATEGORY_PRIVATE 0x1");
    EXPECT_EQ(CategoryText(2),
              "The network is authenticated against an Active Directory domain. "
              "NLM_NETWORK_CATEGORY_DOMAIN_AUTHENTICATED 0x2");
    EXPECT_EQ(CategoryText(5), "(Unknown NLM_NETWORK_CATEGORY 5)");
}

TEST(ConnectivityText, ZeroIsTheSingleDisconnectedLine) {
    EXPECT_EQ(ConnectivityText(0, ""),
              "     The underlying network interfaces have no connectivity to any network. "
              "NLM_CONNECTIVITY_DISCONNECTED 0x0");
}

TEST(ConnectivityText, FlagsInTableOrderJoinedWithoutTrailingBreak) {
    EXPECT_EQ(ConnectivityText(0x41, ""),
              "     There is connectivity to a network, but the service cannot detect any IPv4 "
              "Network Traffic. NLM_CONNECTIVITY_IPV4_NOTRAFFIC 0x1\r\n"
              "     There is connectivity to the Internet using the IPv4 protocol. "
              "NLM_CONNECTIVITY_IPV4_INTERNET 0x40");
}

TEST(ConnectivityText, EveryFlagGivesOneLine) {
    const std::string text = ConnectivityText(0x773, "");
    size_t lines = 1;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 8u);
    EXPECT_NE(text.find("NLM_CONNECTIVITY_IPV6_NOTRAFFIC 0x2"), std::string::npos);
    EXPECT_NE(text.find("NLM_CONNECTIVITY_IPV6_LOCALNETWORK 0x200"), std::string::npos);
    EXPECT_LT(text.find("IPV4_SUBNET 0x10"), text.find("IPV4_LOCALNETWORK 0x20"));
    EXPECT_LT(text.find("IPV6_SUBNET 0x100"), text.find("IPV6_INTERNET 0x400"));
}

TEST(ConnectivityText, IndentPrefixesEveryLine) {
    const std::string text = ConnectivityText(0x110, "\t");
    EXPECT_EQ(text.rfind("\t     There is connectivity to the local subnet using the IPv4", 0), 0u);
    EXPECT_NE(text.find("\r\n\t     There is connectivity to the local subnet using the IPv6"),
              std::string::npos);
    EXPECT_EQ(ConnectivityText(0, "\t").rfind("\t     The underlying", 0), 0u);
}

TEST(ConnectivityText, UnlistedFlagsAreAnError) {
    EXPECT_EQ(ConnectivityText(0x8, ""), "(Connectivity error 8 0x00000008)");
    EXPECT_EQ(ConnectivityText(0x80000000u, "\t"), "(Connectivity error 2147483648 0x80000000)");
}

TEST(YesNoText, AnyTrueIsYes) {
    EXPECT_EQ(YesNoText(true), "Yes");
    EXPECT_EQ(YesNoText(false), "No");
}

TEST(GuidText, RegistryFormWithUpperCaseDigits) {
    const Guid guid{0xDCB00C01, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
    EXPECT_EQ(GuidText(guid), "{DCB00C01-570F-4A9B-8D69-199FDBA5723B}");
    EXPECT_EQ(GuidText(Guid{}), "{00000000-0000-0000-0000-000000000000}");
    const Guid small{0xA, 0xB, 0xC, {1, 2, 3, 4, 5, 6, 7, 8}};
    EXPECT_EQ(GuidText(small), "{0000000A-000B-000C-0102-030405060708}");
}

}  // namespace
