#include <gtest/gtest.h>

#include "common/settings/registry_access.h"
#include "common/settings/policy_keys.h"
#include "common/settings/settings_keys.h"
#include "console/about_text.h"
#include "console/main_commands.h"
#include "console/network_lists.h"
#include "tests/support/fakes/in_memory_registry.h"
#include "tests/support/fakes/scripted_version_queries.h"
#include "common/text/languages.h"
#include "common/text/texts.h"

namespace {

using Lines = std::vector<std::string>;

TEST(NetworkListText, EachNameOnALineOfItsOwnACommaCutting) {
    EXPECT_EQ(NetworkListText("Home, Office"), "Home\r\nOffice");
    EXPECT_EQ(NetworkListText("Cafe, Guest,Upstairs"), "Cafe\r\nGuest\r\nUpstairs");
    EXPECT_EQ(NetworkListText("A,, B"), "A\r\n\r\nB");
    EXPECT_EQ(NetworkListText(""), "");
}

TEST(NetworkListLines, TrimmedNonEmptyPiecesBetweenCrLf) {
    EXPECT_EQ(NetworkListLines("Home\r\n  Office \r\n\r\n   \r\nLab"),
              (Lines{"Home", "Office", "Lab"}));
    EXPECT_EQ(NetworkListLines(""), Lines{});
    // A lone CR or LF does not cut a line.
    EXPECT_EQ(NetworkListLines("A\rB\nC"), (Lines{"A\rB\nC"}));
    EXPECT_EQ(NetworkListLines(NetworkListText("Cafe, Guest, , Home")),
              (Lines{"Cafe", "Guest", "Home"}));
}

class AboutTextTest : public ::testing::Test {
protected:
    // Windows 11 23H2 as the plain query reports it to a program without a supported-versions
    // list, and as RtlGetVersion tells the truth.
    ScriptedVersionQueries Windows11(std::uint8_t productType, std::uint16_t architecture) {
        auto versions = ScriptedVersionQueries::Reporting(PlatformWindowsNt, 6, 2, 9200, 1);
        versions.trueVersion = WindowsVersionRecord{10, 0, 22631, PlatformWindowsNt, productType};
        versions.nativeArchitecture = architecture;
        WriteRegistryText(registry_,
                          "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                          "DisplayVersion", "23H2");
        return versions;
    }

    InMemoryRegistry registry_;
};

TEST_F(AboutTextTest, WorkstationOf64Bits) {
    auto versions = Windows11(NtWorkstation, ProcessorArchitectureAmd64);
    EXPECT_EQ(ComposeAboutText(versions, registry_),
              "Lumivo Console - v1.19 - Windows 11\r\r"
              "Windows 11 Version 23H2 (OS Build 22631)  (64-bit) " +
                  Text(IDS_TRADEMARK_NOTICE));
}

TEST_F(AboutTextTest, WorkstationOf32BitsAndServers) {
    auto thirtyTwo = Windows11(NtWorkstation, 0);
    EXPECT_NE(ComposeAboutText(thirtyTwo, registry_).find("(OS Build 22631)  (32-bit) "),
              std::string::npos);

    auto server = Windows11(3, ProcessorArchitectureAmd64);
    EXPECT_EQ(ComposeAboutText(server, registry_),
              "Lumivo Console - v1.19 - Windows 2016\r\r"
              "Windows 2016 (22631)  (64-bit) Server " +
                  Text(IDS_TRADEMARK_NOTICE));
}

TEST(TrademarkNotice, IsTheNoticeWithRegisteredSignsIn140Characters) {
    const std::string notice = Text(IDS_TRADEMARK_NOTICE);
    EXPECT_EQ(TextLength(notice), 140u);
    EXPECT_EQ(notice.substr(0, 11), "Microsoft\u00AE");
    EXPECT_EQ(notice.find("\u00AE", 11), 23u);
    EXPECT_EQ(notice.substr(notice.size() - 23), "and/or other countries.");
}

TEST(ToggleOption, AClickStoresTheOppositeOfTheCheckAndAnswersTheNewCheck) {
    InMemoryRegistry registry;
    EXPECT_FALSE(ToggleOption(registry, CheckForUpdatesValueName, true));
    EXPECT_EQ(ReadRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName), "NO");
    EXPECT_TRUE(ToggleOption(registry, CheckForUpdatesValueName, false));
    EXPECT_EQ(ReadRegistryText(registry, SettingsKeyPath, CheckForUpdatesValueName), "YES");
    EXPECT_TRUE(ToggleOption(registry, SystemTrayValueName, false));
    EXPECT_EQ(ReadRegistryText(registry, SettingsKeyPath, SystemTrayValueName), "YES");

    // The organization's option stays as its policy says, and says so in the status bar.
    EXPECT_FALSE(HasOrganizationSettings(registry));
    WriteRegistryText(registry, PoliciesKeyPath, SystemTrayValueName, "YES");
    EXPECT_TRUE(ToggleOption(registry, SystemTrayValueName, true));
    EXPECT_EQ(ReadRegistryText(registry, SettingsKeyPath, SystemTrayValueName), "YES");
    EXPECT_TRUE(HasOrganizationSettings(registry));
}

TEST(ConsoleAddresses, HelpAndSupportPagesOfTheProductSite) {
    EXPECT_EQ(HelpFileName(EnglishLanguage), "Lumivo.chm");
    EXPECT_EQ(HelpFileName(GermanLanguage), "Lumivo.de.chm");
    EXPECT_EQ(HelpFileName(SpanishLanguage), "Lumivo.es.chm");
    EXPECT_EQ(OnlineHelpUrl.rfind("https://", 0), 0u);
    EXPECT_EQ(OnlineHelpUrl.substr(OnlineHelpUrl.find('/', 8)),
              "/Software/LMV/Help/Introduction.html");
    EXPECT_EQ(SupportPageUrl.rfind("http://", 0), 0u);
    EXPECT_EQ(SupportPageUrl.substr(SupportPageUrl.find('/', 7)), "/Software/LMV/LMVPP.htm");
    // Both pages lie on one site.
    EXPECT_EQ(OnlineHelpUrl.substr(8, OnlineHelpUrl.find('/', 8) - 8),
              SupportPageUrl.substr(7, SupportPageUrl.find('/', 7) - 7));
}

}  // namespace
